#include "pages/PageDispatch.h"

#include "document/CardCatalog.h"

#include <QHash>

namespace PageDispatch {

QString PageName(Page page)
{
    static const char *const names[PageCount] = {
        "NoControl", "SWCard", "DACard", "MatSWCard1", "MatSWCard2", "AudioPwrCard",
        "ControlCard1", "Empty", "Scalar1", "Scalar2", "Scalar3", "Scalar4",
    };
    return QString::fromLatin1(names[static_cast<int>(page)]);
}

const QList<Row> &Rows()
{
    using enum Page;
    using S = Shown;
    static const QList<Row> rows = {
        {{"QL324-100"}, DACard, 1, S::Outputs, 6},
        {{"QL324-101"}, DACard, 1, S::Outputs, 8},
        {{"QL324-102"}, DACard, 1, S::Outputs, 3},
        {{"QL324-103", "QL324-104"}, DACard, 2, S::Outputs, 6},
        {{"QL324-105", "QL324-106", "QL324-107", "QL324-111", "QL324-112", "QL324-113",
          "QL324-114", "QL324-115", "QL324-116", "QL324-117", "QL324-118"},
         DACard, 1, S::PictureOnly},
        {{"QL324-108", "QL324-109", "QL324-110"}, DACard, 2, S::PictureOnly},
        {{"QL324-120"}, DACard, 1, S::SVideoVideo, 3},
        {{"QL379-100"}, DACard, 2, S::Outputs, 6},
        {{"QL379-101"}, DACard, 2, S::PictureOnly},
        {{"QL379-102", "QL379-104"}, DACard, 1, S::PictureOnly},
        {{"QL379-103"}, DACard, 1, S::Outputs, 4},
        {{"QL415-105"}, DACard, 2, S::Outputs, 3},
        {{"QL415-106"}, DACard, 4, S::Outputs, 6},
        {{"QL437-100"}, DACard, 1, S::PictureOnly},
        {{"QL335-100", "QL335-101"}, SWCard, 1, S::Inputs, 8},
        {{"QL335-102"}, SWCard, 2, S::Inputs, 7},
        {{"QL335-103", "QL335-108"}, SWCard, 1, S::Inputs, 6},
        {{"QL335-104"}, SWCard, 2, S::Inputs, 6},
        {{"QL335-105", "QL335-106"}, SWCard, 1, S::Inputs, 3},
        {{"QL335-107"}, SWCard, 1, S::VideoSVideo, 3},
        {{"QL335-109"}, SWCard, 1, S::Inputs, 2},
        {{"QL382-100"}, SWCard, 1, S::Inputs, 8},
        {{"QL382-101"}, SWCard, 1, S::Inputs, 4},
        {{"QL379-105", "QL379-107"}, SWCard, 1, S::InputGain, 4},
        {{"QL379-106"}, SWCard, 1, S::InputGain, 2},
        {{"QL346-100", "QL346-101", "QL346-110"}, MatSWCard1, 3, S::Matrix, 16, 8},
        {{"QL393-100"}, MatSWCard1, 2, S::Matrix, 16, 8},
        {{"QL393-102"}, MatSWCard1, 2, S::Matrix, 16, 8, true},
        {{"QL346-102", "QL346-103", "QL346-111", "QL393-101"}, MatSWCard1, 2, S::Matrix, 8, 8},
        {{"QL393-103"}, MatSWCard1, 2, S::Matrix, 8, 8, true},
        {{"QL346-120"}, MatSWCard1, 4, S::Matrix, 8, 8, false, false},
        {{"QL346-112", "QL346-119"}, MatSWCard1, 4, S::Matrix, 16, 16},
        {{"QL393-104"}, MatSWCard1, 4, S::Matrix, 16, 16, true},
        {{"QL346-115", "QL346-118"}, MatSWCard1, 3, S::Matrix, 8, 16},
        {{"QL346-121"}, MatSWCard1, 3, S::Matrix, 8, 4, false, false},
        {{"QL346-106", "QL346-107"}, MatSWCard2, 1, S::ConfigMatrix, 0, 0, false, true, "ConfigMat1"},
        {{"QL346-108"}, MatSWCard2, 2, S::ConfigMatrix, 0, 0, false, true, "ConfigMat2"},
        {{"QL346-109"}, MatSWCard2, 1, S::ConfigMatrix, 0, 0, false, true, "ConfigMat3"},
        {{"QL357-100"}, Scalar1, 1, S::WholePage},
        {{"QL357-101"}, Scalar2, 1, S::WholePage},
        {{"QL357-103"}, Scalar4, 1, S::WholePage},
        {{"QL382-102"}, AudioPwrCard, 1, S::WholePage},
        {{"QL426-100", "QL426-101"}, AudioPwrCard, 3, S::WholePage},
        {{"QL426-102"}, AudioPwrCard, 2, S::WholePage},
        {{"QL426-103"}, AudioPwrCard, 1, S::WholePage},
        {{"QL415-104"}, ControlCard1, 1, S::WholePage},
        {{"QL508-101", "QL357-102"}, NoControl, 1, S::CoverPlate},
    };
    return rows;
}

const Row *FindRow(int modelNumber)
{
    static const QHash<int, const Row *> byNumber = [] {
        QHash<int, const Row *> map;
        for (const Row &row : Rows())
            for (const QString &code : row.models)
                map.insert(CardCatalog::ModelNumber(code), &row);
        return map;
    }();
    return byNumber.value(modelNumber, nullptr);
}

} // namespace PageDispatch
