#include "SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>

namespace tallowmere {
namespace {

QString configFolder(const std::string& application) {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + '/' +
           QString::fromStdString(application);
}

QString keyPath(const std::string& section, const std::string& key) {
    return QString::fromStdString(section) + '/' + QString::fromStdString(key);
}

} // namespace

std::string FileSettingsStore::filePath(const std::string& application) {
    return (configFolder(application) + '/' + QString::fromStdString(application) + ".conf")
        .toStdString();
}

std::string FileSettingsStore::GetSetting(const std::string& application,
                                          const std::string& section,
                                          const std::string& key) const {
    QSettings settings(QString::fromStdString(filePath(application)), QSettings::IniFormat);
    return settings.value(keyPath(section, key), QString()).toString().toStdString();
}

void FileSettingsStore::SaveSetting(const std::string& application, const std::string& section,
                                    const std::string& key, const std::string& value) {
    // The folder is private first, so the clear-text password is never readable
    // by others, not even for the moment between writing and chmod.
    const QString folder = configFolder(application);
    QDir().mkpath(folder);
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    const QString file = QString::fromStdString(filePath(application));
    QSettings settings(file, QSettings::IniFormat);
    settings.setValue(keyPath(section, key), QString::fromStdString(value));
    settings.sync(); // a program killed right after a keystroke loses nothing
    if (settings.status() != QSettings::NoError)
        throw SettingsNotSaved(file.toStdString());
    QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
}

} // namespace tallowmere
