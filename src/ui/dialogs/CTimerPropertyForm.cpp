#include "CTimerPropertyForm.h"

#include "CAlarmData.h"
#include "CAlarmInfo.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

namespace tarnell {

namespace {

// The character tables a timer text can name, with their stored codes.
constexpr std::pair<const char*, uint8_t> kCodePages[] = {
    {"ISO 8859-2 Central Europe", 0}, {"ISO 8859-5 Cyrillic", 1},
    {"ISO 8859-6 Arabic", 2},         {"ISO 8859-7 Greek", 3},
    {"ISO 8859-8 Hebrew", 4},         {"ISO 8859-9 Latin-5", 5},
    {"ISO 6937-Latin", 11},           {"UTF-8", 16},
};

} // namespace

CTimerPropertyForm::CTimerPropertyForm(QWidget* parent) : QGroupBox(parent) {
    setTitle(tr("Timer"));
    auto* form = new QFormLayout(this);
    m_text = new QLineEdit(this);
    m_text->setObjectName(QStringLiteral("property_201"));
    m_codePage = new QComboBox(this);
    m_codePage->setObjectName(QStringLiteral("property_202"));
    for (const auto& [name, code] : kCodePages) {
        m_codePage->addItem(QString::fromLatin1(name), code);
    }
    m_flag10 = new QCheckBox(this);
    m_flag10->setObjectName(QStringLiteral("property_200"));
    m_flag0C = new QCheckBox(this);
    m_flag0C->setObjectName(QStringLiteral("property_203"));
    m_note = new QLabel(this);
    m_note->setWordWrap(true);
    form->addRow(tr("Text"), m_text);
    form->addRow(tr("Character table"), m_codePage);
    form->addRow(tr("Flag 1"), m_flag10);
    form->addRow(tr("Flag 2"), m_flag0C);
    form->addRow(m_note);

    connect(m_text, &QLineEdit::editingFinished, this, &CTimerPropertyForm::CommitText);
    connect(m_codePage, &QComboBox::activated, this, [this](int row) {
        emit CodePageChanged(static_cast<uint8_t>(m_codePage->itemData(row).toUInt()));
    });
    connect(m_flag10, &QCheckBox::toggled, this, &CTimerPropertyForm::Flag10Changed);
    connect(m_flag0C, &QCheckBox::toggled, this, &CTimerPropertyForm::Flag0CChanged);
    Show(nullptr, nullptr);
}

void CTimerPropertyForm::Show(const CAlarmData* timer, const CAlarmInfo* info) {
    const QSignalBlocker blockText(m_text);
    const QSignalBlocker blockCodePage(m_codePage);
    const QSignalBlocker blockFlag10(m_flag10);
    const QSignalBlocker blockFlag0C(m_flag0C);
    setEnabled(timer != nullptr);
    m_shownText = info ? QString::fromStdString(info->GetText()) : QString();
    m_text->setText(m_shownText);
    m_text->setEnabled(info != nullptr);
    m_codePage->setEnabled(info != nullptr);
    const int row = info ? m_codePage->findData(info->GetCodePageCode()) : -1;
    m_codePage->setCurrentIndex(row);
    m_flag10->setChecked(timer && timer->GetFlag10());
    m_flag0C->setChecked(timer && timer->GetFlag0C());
    m_note->clear();
}

void CTimerPropertyForm::CommitText() {
    QString text = m_text->text();
    if (text == m_shownText) {
        return;
    }
    // The record holds 22 characters; a longer text is cut visibly, not refused silently.
    m_note->clear();
    if (text.size() > kMaxText) {
        text.truncate(kMaxText);
        m_note->setText(tr("The timer holds %1 characters; the text was cut to \"%2\".")
                            .arg(kMaxText)
                            .arg(text));
        const QSignalBlocker block(m_text);
        m_text->setText(text);
    }
    m_shownText = text;
    emit TextChanged(text);
}

} // namespace tarnell
