#include "campaigneditor.h"

#include "ui/exacttextedit.h"
#include "ui/look.h"
#include "ui/programfolder.h"
#include "ui/transfer.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace campaign {

CampaignEditor::CampaignEditor(const ui::DialogContext &context, const QString &form,
                               const QString &title)
    : QWidget(nullptr), m_host(context.host), m_mainText(context.mainText)
{
    setObjectName(form);
    setWindowTitle(title);
}

void CampaignEditor::finishLayout(QVBoxLayout *left, const QString &resultName,
                                  const QString &saveName, const QString &closeName,
                                  const QSize &size)
{
    auto *saveButton = ui::named(new QPushButton(u"Erstelle Script Datei"_s), saveName);
    auto *transferButton =
        ui::named(new QPushButton(u"Schließen und Script übertragen"_s), u"Command4"_s);
    auto *closeButton = ui::named(new QPushButton(u"Schließen"_s), closeName);
    left->addStretch(1);
    left->addWidget(saveButton);
    left->addWidget(transferButton);
    left->addWidget(closeButton);

    m_result = ui::ExactTextEdit::forScript(resultName);
    m_result->setMinimumSize(300, 200);

    auto *layout = new QHBoxLayout(this);
    layout->addLayout(left, 0);
    layout->addWidget(ui::resultFrame(*m_result), 1);
    resize(size);

    connect(saveButton, &QPushButton::clicked, this, &CampaignEditor::save);
    connect(transferButton, &QPushButton::clicked, this, &CampaignEditor::transfer);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
}

void CampaignEditor::save()
{
    ui::saveToProgramFolder(m_host, u"description.ext"_s, m_result->text());
}

void CampaignEditor::transfer()
{
    ui::transferToMainWindow(
        *this, m_host, m_mainText, m_result->text(),
        u"Der Inhalt aus dem Hauptfenster wird bei der Übertragung gelöscht, trotzdem fortfahren ?"_s,
        ui::AfterCancel::Close);
}

} // namespace campaign
