// Draws the program's pictures into the folder given as the only argument.
#include "AppIcon.h"
#include "ArtOutput.h"
#include "BlockDiagram.h"
#include "CardFace.h"
#include "CardModels.h"
#include "ConfigBoards.h"
#include "EnclosureArt.h"
#include "Extras.h"
#include "WindowArt.h"
#include "document/CardCatalog.h"

#include <QGuiApplication>
#include <QPainter>

#include <cstdio>
#include <exception>

namespace {

// Every catalog model and every extra picture code needs a row.
void CheckCoverage(const QList<CardModel> &models)
{
    QStringList codes;
    for (const CardModel &model : models)
        codes.append(model.code);
    QStringList wanted;
    for (const QString &line : CardCatalog::Lines())
        wanted.append(CardCatalog::ModelCode(line));
    wanted += CardCatalog::ExtraPictureCodes();
    for (const QString &code : wanted)
        if (codes.count(code) != 1)
            throw std::runtime_error(("no single picture row for " + code).toStdString());
}

void DrawAll(ArtOutput &out)
{
    const QList<CardModel> &models = CardModels();
    CheckCoverage(models);
    for (const CardModel &model : models) {
        const Drawing face = [&model](QPainter &p) { CardFace::Draw(p, model); };
        out.AddPicture(model.code, CardFace::Size(model), face, face);
        if (model.diagramWidth > 0)
            out.AddPicture(model.code + QStringLiteral("BD"), BlockDiagram::Size(model),
                           [&model](QPainter &p) { BlockDiagram::Draw(p, model); });
    }
    for (int kind = 0; kind < 4; ++kind) {
        out.AddPicture(
            Artwork::EnclosureName(kind), Artwork::EnclosureSize(kind),
            [kind](QPainter &p) { EnclosureArt::Draw(p, kind, Artwork::NormalPlaces(kind), 1); },
            [kind](QPainter &p) {
                EnclosureArt::Draw(p, kind, Artwork::HiResPlaces(kind), Artwork::HiResScale);
            });
    }
    const QSize icon(Extras::IconSize, Extras::IconSize);
    out.AddPicture(Artwork::WaitBusy, icon, Extras::DrawBusy);
    out.AddPicture(Artwork::WaitIdle, icon, Extras::DrawIdle);
    out.AddResourceFile(QStringLiteral("CoverPlate.jpg"), Extras::CoverPlatePhoto(models));
    ConfigBoards::AddPictures(out);
    AppIcon::AddTo(out);
    WindowArt::AddPictures(out);
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: artgen <output folder>\n");
        return 2;
    }
    try {
        ArtOutput out(QString::fromLocal8Bit(argv[1]));
        DrawAll(out);
        std::printf("artgen: %d files written\n", out.Finish());
    } catch (const std::exception &error) {
        std::fprintf(stderr, "artgen: %s\n", error.what());
        return 1;
    }
    return 0;
}
