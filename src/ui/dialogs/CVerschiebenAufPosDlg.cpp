#include "CVerschiebenAufPosDlg.h"

#include "HelpTopic.h"
#include <QDialogButtonBox>
#include <QLabel>
#include <QMessageBox>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace tarnell {

CVerschiebenAufPosDlg::CVerschiebenAufPosDlg(int value, int minimum, int maximum, QWidget* parent)
    : QDialog(parent) {
    SetHelpTopic(this, "channels");
    setObjectName(QStringLiteral("moveToPositionDialog"));
    setWindowTitle(tr("Move to Position"));
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(tr("New position of the selected channels (%1 to %2):")
                                 .arg(minimum)
                                 .arg(std::max(minimum, maximum)),
                             this);
    layout->addWidget(label);
    m_spin = new QSpinBox(this);
    m_spin->setObjectName(QStringLiteral("spin_1015"));
    m_spin->setRange(minimum, std::max(minimum, maximum));
    m_spin->setValue(std::clamp(value, minimum, std::max(minimum, maximum)));
    m_spin->setAccelerated(true);
    label->setBuddy(m_spin);
    layout->addWidget(m_spin);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    m_spin->setFocus();
    m_spin->selectAll();
}

int CVerschiebenAufPosDlg::Value() const {
    return m_spin->value();
}

void CVerschiebenAufPosDlg::accept() {
    // The spin box refuses digits that leave the range, but an emptied field is no number.
    if (!m_spin->hasAcceptableInput()) {
        QMessageBox::warning(this, windowTitle(),
                             tr("Please enter a number from %1 to %2.")
                                 .arg(m_spin->minimum())
                                 .arg(m_spin->maximum()));
        m_spin->setFocus();
        return;
    }
    QDialog::accept();
}

} // namespace tarnell
