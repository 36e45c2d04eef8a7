#include "MessageBoxPrompts.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

namespace tallowmere {

QString MessageBoxPrompts::displayText(const std::string& text) {
    QString shown = QString::fromStdString(text);
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

void MessageBoxPrompts::message(const std::string& text, const std::string& title) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(title), displayText(text),
                    QMessageBox::Ok, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool MessageBoxPrompts::askYesNo(const std::string& text, const std::string& title) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(title), displayText(text),
                    QMessageBox::Yes | QMessageBox::No, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

std::string MessageBoxPrompts::inputBox(const std::string& prompt, const std::string& defaultAnswer,
                                        const std::string& title) {
    bool accepted = false;
    const QString answer = QInputDialog::getText(
        QApplication::activeWindow(), QString::fromStdString(title), displayText(prompt),
        QLineEdit::Normal, QString::fromStdString(defaultAnswer), &accepted);
    return accepted ? answer.toStdString() : std::string();
}

} // namespace tallowmere
