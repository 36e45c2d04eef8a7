#include "ConnectionField.h"

#include "FormStyle.h"
#include "SaveFailureNotice.h"
#include "data_access/SettingsStore.h"

#include <QFocusEvent>

#include <limits>

namespace tallowmere {
namespace {

// The values are free text of any length; a line edit keeps 32767
// characters unless told otherwise, and would cut a longer stored value.
constexpr int kUnlimitedLength = std::numeric_limits<int>::max();

} // namespace

ConnectionField::ConnectionField(SettingsStore& store, SaveFailureNotice& failures, const char* key,
                                 QWidget* parent)
    : QLineEdit(parent)
    , mStore(store)
    , mFailures(failures)
    , mKey(key) {
    setMaxLength(kUnlimitedLength);
    keepSystemColours(*this);
    connect(this, &QLineEdit::textChanged, this, &ConnectionField::store);
}

void ConnectionField::load() {
    setText(
        QString::fromStdString(mStore.GetSetting(kSettingsApplication, kSettingsSection, mKey)));
}

void ConnectionField::store(const QString& text) {
    try {
        mStore.SaveSetting(kSettingsApplication, kSettingsSection, mKey, text.toStdString());
        mFailures.saved();
    } catch (const SettingsNotSaved& failure) {
        mFailures.failed(failure.file()); // the text stays; the next change tries again
    }
}

void ConnectionField::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    // Coming back from its own context menu, the field keeps the selection
    // the user made: a paste from the menu must not replace the whole text.
    if (event->reason() != Qt::PopupFocusReason)
        selectAll();
}

} // namespace tallowmere
