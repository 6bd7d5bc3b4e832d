#pragma once

#include "storage/SettingsBlock.h"

#include <QColor>
#include <QString>

void loadProfileLedKeys(int index, ProfileRecord &record, const QString &fileName);
void loadProfileLedFile(ProfileRecord &record, const QString &name);
void loadAllProfileLedFiles(SettingsBlock &block);
// Writers return true when every file was written.
bool saveProfileLedKeys(int index, const ProfileRecord &record, const QString &fileName);
bool saveProfileLedFile(const ProfileRecord &record, const QString &name);
bool saveAllProfileLedFiles(const SettingsBlock &block);
bool writeProfileLedKeys(const QString &name, quint8 mode, const QColor &color, quint32 h,
                         quint32 s, quint32 v, quint32 bright, quint32 breath);
