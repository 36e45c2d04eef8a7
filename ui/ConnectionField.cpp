#include "ConnectionField.h"

#include "data_access/SettingsStore.h"

namespace tallowmere {

ConnectionField::ConnectionField(SettingsStore& store, const char* key, QWidget* parent)
    : QLineEdit(parent)
    , mStore(store)
    , mKey(key) {
    connect(this, &QLineEdit::textChanged, this, &ConnectionField::store);
}

void ConnectionField::load() {
    setText(
        QString::fromStdString(mStore.GetSetting(kSettingsApplication, kSettingsSection, mKey)));
}

void ConnectionField::store(const QString& text) {
    mStore.SaveSetting(kSettingsApplication, kSettingsSection, mKey, text.toStdString());
}

void ConnectionField::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    selectAll();
}

} // namespace tallowmere
