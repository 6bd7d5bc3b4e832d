#pragma once

#include "storage/SettingsBlock.h"

#include <QColor>
#include <QString>

void loadProfileLedKeys(int index, ProfileRecord &record, const QString &fileName);
void loadProfileLedFile(ProfileRecord &record, const QString &name);
void loadAllProfileLedFiles(SettingsBlock &block);
void saveProfileLedKeys(int index, const ProfileRecord &record, const QString &fileName);
void saveProfileLedFile(const ProfileRecord &record, const QString &name);
void saveAllProfileLedFiles(const SettingsBlock &block);
void writeProfileLedKeys(const QString &name, quint8 mode, const QColor &color, quint32 h,
                         quint32 s, quint32 v, quint32 bright, quint32 breath);
