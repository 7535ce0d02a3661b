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

namespace {

Row Row1(const QStringList &models, Page page, int width, Shown shown, int channels = 0)
{
    Row row;
    row.models = models;
    row.page = page;
    row.width = width;
    row.shown = shown;
    row.channels = channels;
    return row;
}

Row Da(const QStringList &models, int width, Shown shown, int outputs = 0)
{
    return Row1(models, Page::DACard, width, shown, outputs);
}

Row Sw(const QStringList &models, int width, Shown shown, int inputs)
{
    return Row1(models, Page::SWCard, width, shown, inputs);
}

enum class Extra { None, InputControl, NoSizeGroup };

Row Matrix(const QStringList &models, int width, int inputs, int outputs, Extra extra = Extra::None)
{
    Row row = Row1(models, Page::MatSWCard1, width, Shown::Matrix, inputs);
    row.outputs = outputs;
    row.inputControl = extra == Extra::InputControl;
    row.sizeGroup = extra != Extra::NoSizeGroup;
    return row;
}

Row ConfigMatrix(const QStringList &models, int width, const QString &picture)
{
    Row row = Row1(models, Page::MatSWCard2, width, Shown::ConfigMatrix);
    row.configPicture = picture;
    return row;
}

Row Whole(const QStringList &models, Page page, int width)
{
    return Row1(models, page, width, Shown::WholePage);
}

} // namespace

const QList<Row> &Rows()
{
    using S = Shown;
    using enum Extra;
    static const QList<Row> rows = {
        Da({"QL324-100"}, 1, S::Outputs, 6),
        Da({"QL324-101"}, 1, S::Outputs, 8),
        Da({"QL324-102"}, 1, S::Outputs, 3),
        Da({"QL324-103", "QL324-104"}, 2, S::Outputs, 6),
        Da({"QL324-105", "QL324-106", "QL324-107", "QL324-111", "QL324-112", "QL324-113",
            "QL324-114", "QL324-115", "QL324-116", "QL324-117", "QL324-118"},
           1, S::PictureOnly),
        Da({"QL324-108", "QL324-109", "QL324-110"}, 2, S::PictureOnly),
        Da({"QL324-120"}, 1, S::SVideoVideo, 3),
        Da({"QL379-100"}, 2, S::Outputs, 6),
        Da({"QL379-101"}, 2, S::PictureOnly),
        Da({"QL379-102", "QL379-104"}, 1, S::PictureOnly),
        Da({"QL379-103"}, 1, S::Outputs, 4),
        Da({"QL415-105"}, 2, S::Outputs, 3),
        Da({"QL415-106"}, 4, S::Outputs, 6),
        Da({"QL437-100"}, 1, S::PictureOnly),
        Sw({"QL335-100", "QL335-101"}, 1, S::Inputs, 8),
        Sw({"QL335-102"}, 2, S::Inputs, 7),
        Sw({"QL335-103", "QL335-108"}, 1, S::Inputs, 6),
        Sw({"QL335-104"}, 2, S::Inputs, 6),
        Sw({"QL335-105", "QL335-106"}, 1, S::Inputs, 3),
        Sw({"QL335-107"}, 1, S::VideoSVideo, 3),
        Sw({"QL335-109"}, 1, S::Inputs, 2),
        Sw({"QL382-100"}, 1, S::Inputs, 8),
        Sw({"QL382-101"}, 1, S::Inputs, 4),
        Sw({"QL379-105", "QL379-107"}, 1, S::InputGain, 4),
        Sw({"QL379-106"}, 1, S::InputGain, 2),
        Matrix({"QL346-100", "QL346-101", "QL346-110"}, 3, 16, 8),
        Matrix({"QL393-100"}, 2, 16, 8),
        Matrix({"QL393-102"}, 2, 16, 8, InputControl),
        Matrix({"QL346-102", "QL346-103", "QL346-111", "QL393-101"}, 2, 8, 8),
        Matrix({"QL393-103"}, 2, 8, 8, InputControl),
        Matrix({"QL346-120"}, 4, 8, 8, NoSizeGroup),
        Matrix({"QL346-112", "QL346-119"}, 4, 16, 16),
        Matrix({"QL393-104"}, 4, 16, 16, InputControl),
        Matrix({"QL346-115", "QL346-118"}, 3, 8, 16),
        Matrix({"QL346-121"}, 3, 8, 4, NoSizeGroup),
        ConfigMatrix({"QL346-106", "QL346-107"}, 1, "ConfigMat1"),
        ConfigMatrix({"QL346-108"}, 2, "ConfigMat2"),
        ConfigMatrix({"QL346-109"}, 1, "ConfigMat3"),
        Whole({"QL357-100"}, Page::Scalar1, 1),
        Whole({"QL357-101"}, Page::Scalar2, 1),
        Whole({"QL357-103"}, Page::Scalar4, 1),
        Whole({"QL382-102"}, Page::AudioPwrCard, 1),
        Whole({"QL426-100", "QL426-101"}, Page::AudioPwrCard, 3),
        Whole({"QL426-102"}, Page::AudioPwrCard, 2),
        Whole({"QL426-103"}, Page::AudioPwrCard, 1),
        Whole({"QL415-104"}, Page::ControlCard1, 1),
        Row1({"QL508-101", "QL357-102"}, Page::NoControl, 1, S::CoverPlate),
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
