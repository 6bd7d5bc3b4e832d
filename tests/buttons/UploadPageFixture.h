#pragma once

#include "buttons/QuorBtnWindow.h"
#include "device/UploadDriver.h"
#include "storage/ChangeDetection.h"
#include "storage/SettingsBlock.h"
#include "tests/device/DeviceFixture.h"

#include <QStringList>

#include <memory>

// The emulated mouse and the button page over the current profile of the working
// block, left click on button 1.
struct UploadPageFixture
{
    UploadPageFixture()
    {
        initSettingsBlock(workingSettings);
        record().buttons[0].Fun = FunLeft;
        lastWrittenSettings = workingSettings;
        page = std::make_unique<QuorBtnWindow>(&record(), nullptr, 1.0);
        page->setFixedSize(332, 440);
        page->applyFonts(1.0);
        page->show();
    }
    ~UploadPageFixture()
    {
        page.reset();
        workingSettings = SettingsBlock();
        lastWrittenSettings = SettingsBlock();
    }
    static ProfileRecord &record() { return currentRecord(workingSettings); }

    // The button table entries of the slots, as the mouse holds them after an upload.
    QStringList entries(const QVector<int> &slotIndexes)
    {
        QStringList shown;
        if (uploadSettings(workingSettings, ChangeButtons) != 0)
            return {"upload failed"};
        for (int slot : slotIndexes)
            shown << fx.mouse().state().buttonEntry(slot).toHex(' ');
        return shown;
    }

    DeviceFixture fx{3389, 6};
    std::unique_ptr<QuorBtnWindow> page;
};
