#include "OperationContext.h"

#include "data_access/DatabaseError.h"
#include "data_access/Oracle.h"
#include "data_access/Snapshot.h"
#include "data_access/Sybase.h"

namespace tallowmere {

std::unique_ptr<Connection> openConnection(const OperationContext& context, Side side,
                                           CursorLocation location, ProviderSetting provider) {
    auto connection = context.connections.create();
    if (provider == ProviderSetting::Named && side == Side::SqlAnywhere)
        connection->setProvider(kSqlAnywhereProvider);
    if (location != CursorLocation::Unspecified)
        connection->setCursorLocation(location);
    const ConnectionSettings settings = context.fields.current();
    // A server slow to answer must not freeze the window; a connect cannot be
    // stopped halfway, so closing the window waits for it to end.
    context.events.runWhileWaiting(
        [&] {
            if (side == Side::Oracle)
                OpenOracleConnection(*connection, settings);
            else
                OpenSqlAnywhereConnection(*connection, settings);
        },
        [] {});
    return connection;
}

std::string failureMessage(const std::exception& error) {
    // Numbered 0 like every failure that is not the database's own.
    if (const auto* spill = dynamic_cast<const SpillFileError*>(&error))
        return texts::failureText(0, texts::spillFailed(spill->folder(), spill->reason()));
    if (const auto* value = dynamic_cast<const ValueNotBound*>(&error))
        return texts::failureText(0, texts::valueNotBound(value->value(), value->wantsDate()));
    if (const auto* database = dynamic_cast<const DatabaseError*>(&error))
        return texts::failureText(database->native(), database->description());
    return texts::failureText(0, error.what());
}

bool runGuarded(const OperationContext& context, const std::function<void()>& operation) {
    try {
        operation();
        return true;
    } catch (const OperationCancelled&) {
        context.progress.setValue(0);
        context.pointer.setPointer(PointerSetting::Default);
        return false;
    } catch (const std::exception& error) {
        if (context.events.stopped()) { // a statement cancelled as the window closed
            context.progress.setValue(0);
            context.pointer.setPointer(PointerSetting::Default);
            return false;
        }
        context.prompts.message(failureMessage(error));
        context.pointer.setPointer(PointerSetting::Default);
        context.progress.setValue(0);
        return true;
    }
}

} // namespace tallowmere
