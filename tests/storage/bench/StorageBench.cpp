// Times saving and loading all five profiles and the configuration export and import.
//   bench_storage [rounds]
#include "storage/AppFolder.h"
#include "storage/ConfigExport.h"
#include "storage/ConfigIni.h"
#include "storage/StartupLoad.h"
#include "tests/common/ProfileSamples.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {
void report(const char *what, const std::function<void()> &run, int rounds)
{
    std::vector<double> ms;
    for (int i = 0; i < rounds; ++i) {
        QElapsedTimer timer;
        timer.start();
        run();
        ms.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    double sum = 0;
    for (double v : ms)
        sum += v;
    std::printf("%-44s min %8.1f ms  median %8.1f ms  mean %8.1f ms\n", what, ms.front(), ms[ms.size() / 2],
                sum / ms.size());
}
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 10;
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("Configs/Profile"));
    setAppDirPathForTests(dir.path());

    SettingsBlock block = sampleBlock(1);
    SettingsBlock loaded;
    const QString exportFile = dir.path() + QStringLiteral("/bench.conf");

    std::printf("%d rounds; 5 profiles x 8,453 keys\n", rounds);
    // Each round changes every profile: a file that would get its own text is not written.
    report("save all five profiles (saveAllSettings)", [&] {
        for (ProfileRecord &record : block.profiles)
            ++record.scrollspeed;
        saveAllSettings(block);
    }, rounds);
    report("save all five again, unchanged", [&] { saveAllSettings(block); }, rounds);
    report("load all five profiles (loadAllSettings)", [&] { loadAllSettings(loaded); }, rounds);
    report("export, new file (exportProfiles)", [&] {
        QFile::remove(exportFile);
        exportProfiles(block, exportFile);
    }, rounds);
    report("export over an existing file", [&] { exportProfiles(block, exportFile); }, rounds);
    report("import (importProfiles)", [&] { importProfiles(loaded, exportFile); }, rounds);

    const bool same = firstDifference(loaded.profiles[4], block.profiles[4], false).isEmpty();
    std::printf("import check: %s\n", same ? "records equal" : "RECORDS DIFFER");
    setAppDirPathForTests(QString());
    return same ? 0 : 1;
}
