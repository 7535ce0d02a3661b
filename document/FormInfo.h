#pragma once

#include <QDialog>

#include <array>

class QLineEdit;
class QPlainTextEdit;
class TQlsDoc;

// The "Customer Information" dialog: the design's customer fields and
// comments. Created once for the run.
class TFormInfo : public QDialog
{
    Q_OBJECT

public:
    explicit TFormInfo(QWidget *parent);

    // Shows the document's fields; OK stores them back, so the document is
    // modified only when a text changed. Locked designs are edited too.
    void Edit(TQlsDoc &doc);

private:
    void FormCreate();
    void Fill(const TQlsDoc &doc);
    void Store(TQlsDoc &doc) const;

    std::array<QLineEdit *, 8> m_fields{}; // txtCompany .. txtTSR
    QPlainTextEdit *m_comments = nullptr;  // mmoComments
    QString m_shownComments;
};
