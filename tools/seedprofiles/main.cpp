// Writes the factory profile of the model descriptor beside this program into the
// profile file of every slot that Config.ini names, and DefaultProfile.prof, so a
// new application folder starts with working profiles instead of empty ones.
// Files that already exist are kept.

#include "storage/AppFolder.h"
#include "storage/ModelDescriptor.h"
#include "storage/ProfileFiles.h"
#include "storage/StartupLoad.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (!fileExists(appDirPath() + QStringLiteral("/DefaultProfile.bin"))) {
        std::fprintf(stderr, "seedprofiles: no DefaultProfile.bin in %s\n", qPrintable(appDirPath()));
        return 1;
    }
    QDir().mkpath(configDirPath() + QStringLiteral("/Profile"));
    SettingsBlock block;
    loadAllSettings(block);
    if (modelDescriptorDamaged()) {
        std::fprintf(stderr, "seedprofiles: DefaultProfile.bin lacks keys of the factory profile\n");
        return 1;
    }
    ProfileRecord factory;
    resetProfileToDefaults(factory);
    for (const QString &name : block.names) {
        const QString path = profileFilePath(name);
        if (!path.isEmpty() && !fileExists(path))
            saveProfileFile(factory, name);
    }
    writeDefaultProfileFile();
    return 0;
}
