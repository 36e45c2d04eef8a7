// One of the four connection value fields of the setup window. Whatever is in
// the field is what is stored: every change saves the whole text at once, so
// nothing typed is lost if the program ends right after. A save that fails is
// said once, the text stays, and the next change tries again. Taking the
// focus selects the whole text, so typing replaces it.
#pragma once

#include <QLineEdit>

namespace tallowmere {

class SaveFailureNotice;
class SettingsStore;

class ConnectionField : public QLineEdit {
    Q_OBJECT

public:
    ConnectionField(SettingsStore& store, SaveFailureNotice& failures, const char* key,
                    QWidget* parent);

    // Puts the stored value in the field (and so stores it back).
    void load();
    std::string value() const { return text().toStdString(); }

protected:
    void focusInEvent(QFocusEvent* event) override;

private:
    void store(const QString& text);

    SettingsStore& mStore;
    SaveFailureNotice& mFailures;
    const char* mKey;
};

} // namespace tallowmere
