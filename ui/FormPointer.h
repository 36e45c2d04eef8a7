// A window's pointer setting, shown over the window and every control on it:
// the ordinary pointer, the hourglass, or the window's custom hand.
#pragma once

#include "operations/WindowInterfaces.h"

#include <QCursor>
#include <QHash>
#include <optional>

class QWidget;

namespace tallowmere {

class FormPointer : public WindowPointer {
public:
    // The controls' own pointers (the text cursor of a field) are what the
    // ordinary setting restores.
    explicit FormPointer(QWidget& window);

    PointerSetting pointer() const override { return mSetting; }
    void setPointer(PointerSetting setting) override;

    // The image the custom setting shows; without one it shows the platform's hand.
    void setCustomCursor(const QCursor& cursor);
    bool hasCustomCursor() const { return mCustom.has_value(); }

private:
    void apply();
    void recordOwnCursors();
    QCursor customCursor() const;

    QWidget& mWindow;
    PointerSetting mSetting = PointerSetting::Default;
    std::optional<QCursor> mCustom;
    QHash<QWidget*, QCursor> mOwnCursors;
    bool mOwnCursorsRecorded = false;
};

} // namespace tallowmere
