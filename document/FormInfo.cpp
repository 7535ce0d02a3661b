#include "document/FormInfo.h"

#include "document/QlsDoc.h"
#include "document/TextFile.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int Unlimited = 32767; // QLineEdit's own limit

const struct
{
    const char *name;
    const char *label;
    TQlsDoc::InfoIndex field;
    int maxLength;
} FieldTable[] = {
    {"txtCompany", "Company Name:", TQlsDoc::COMPANY, 40},
    {"txtAccount", "Account No:", TQlsDoc::ACCOUNT, 10},
    {"txtContact", "Contact Name:", TQlsDoc::CONTACT, 40},
    {"txtPhone", "Phone No:", TQlsDoc::PHONE, Unlimited},
    {"txtFax", "Fax No:", TQlsDoc::FAX, Unlimited},
    {"txtEmail", "Email:", TQlsDoc::EMAIL, Unlimited},
    {"txtSO", "SO number:", TQlsDoc::SO, 10},
    {"txtTSR", "TSR number:", TQlsDoc::TSR, 10},
};

constexpr int EditWidth = 280;
constexpr int CommentsHeight = 110;

} // namespace

TFormInfo::TFormInfo(QWidget *parent) : QDialog(parent)
{
    FormCreate();
}

void TFormInfo::FormCreate()
{
    setObjectName(QStringLiteral("FormInfo"));
    setWindowTitle(QStringLiteral("Customer Information"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);

    auto *form = new QFormLayout;
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        auto *edit = new QLineEdit(this);
        edit->setObjectName(QLatin1String(FieldTable[i].name));
        edit->setFixedWidth(EditWidth);
        form->addRow(QLatin1String(FieldTable[i].label), edit);
        m_fields[i] = edit;
    }
    m_comments = new QPlainTextEdit(this);
    m_comments->setObjectName(QStringLiteral("mmoComments"));
    m_comments->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_comments->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_comments->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_comments->setFixedSize(EditWidth, CommentsHeight);
    form->addRow(QStringLiteral("Comments:"), m_comments);
    form->setLabelAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *ok = buttons->addButton(QStringLiteral("Ok"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("btnOk"));
    ok->setDefault(true);
    buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("btnCancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *column = new QVBoxLayout(this);
    column->addLayout(form);
    column->addWidget(buttons);
    column->setSizeConstraint(QLayout::SetFixedSize);
}

void TFormInfo::Edit(TQlsDoc &doc)
{
    Fill(doc);
    m_fields.front()->setFocus();
    if (exec() == QDialog::Accepted)
        Store(doc);
}

void TFormInfo::Fill(const TQlsDoc &doc)
{
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        const QString text = doc.InfoField(FieldTable[i].field);
        // The limits hold for typing; a longer text from a file stays whole.
        m_fields[i]->setMaxLength(std::max<int>(FieldTable[i].maxLength, text.size()));
        m_fields[i]->setText(text);
    }
    m_shownComments = TextFile::SplitLines(doc.InfoField(TQlsDoc::COMMENT)).join(u'\n');
    m_comments->setPlainText(m_shownComments);
}

void TFormInfo::Store(TQlsDoc &doc) const
{
    for (std::size_t i = 0; i < m_fields.size(); ++i)
        doc.SetInfoField(FieldTable[i].field, m_fields[i]->text());
    // Comments keep their stored form (line ends, a final line break) until edited.
    const QString comments = m_comments->toPlainText();
    if (comments != m_shownComments)
        doc.SetInfoField(TQlsDoc::COMMENT, QString(comments).replace(u'\n', QStringLiteral("\r\n")));
}
