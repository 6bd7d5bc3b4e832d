#pragma once

#include <QColor>
#include <QString>
#include <QtGlobal>

#include <array>

constexpr int MatrixSize = 16;

struct DescriptorEffect
{
    QColor color;
    qint32 bright = 0;
    qint32 breath = 0;
};

struct DescriptorButton
{
    qint32 ID = 0;
    qint32 Fun = 0;
    qint32 LoopNumber = 0;
    qint32 KeyNumber = 0;
    quint8 Res1 = 0;
    quint8 Res2 = 0;
    quint8 Res3 = 0;
    quint8 Res4 = 0;
};

struct ModelDescriptor
{
    quint8 dpi = 0;
    std::array<qint32, 8> xy{};
    qint32 pollrate = 0;
    quint8 LedMode = 0;
    quint8 Style = 0;
    std::array<quint8, 4> FontSize{};
    quint8 ButtonCount = 0;
    std::array<QString, 4> FontName{};
    QColor FontRgb;
    QString BackPic;
    QString CompanyName;
    QString ProductName;
    QString FolderPath;
    std::array<quint8, 4> Lang{};
    std::array<DescriptorEffect, 14> effects{};
    std::array<DescriptorButton, 16> buttons{};
};

// Button slot -> position in the mouse's button table; filled by loadAllSettings.
extern std::array<quint8, MatrixSize> buttonMatrix;

QString modelDescriptorPath(); // appDirPath() + "/DefaultProfile.bin"

// Without a whole descriptor (none, or one that loadModelDefaults finds damaged) the
// counts and matrices are those of the built-in model, whose factory profile is the
// built-in one: seven buttons, each at its own place in the button table, and six DPI
// stages. loadButtonMatrix then returns -1.
constexpr int BuiltInButtonCount = 7;
constexpr int BuiltInDpiStageCount = 6;
int modelButtonCount();
int modelDpiStageCount();
int loadButtonMatrix(quint8 *matrix);
int loadButtonMatrix2(quint8 *matrix);
QString modelProductName();
QString modelDocumentsPath();
QString modelVersion();
bool modelLanguage(int n);
int modelDisableMacro();
int modelShowUpdate();
int modelShowSleep();
// loadModelDefaults: no file (the built-in values serve), read, or a damaged file: one
// that lacks a key the factory profile needs (empty, cut short, not a regular file) or
// whose last line is cut.
constexpr int ModelDefaultsMissing = -1, ModelDefaultsRead = 0, ModelDefaultsIncomplete = -2;
int loadModelDefaults(ModelDescriptor &descriptor);
// The descriptor is there but damaged: the program runs as without one.
bool modelDescriptorDamaged();

QString xorStringWithByte(const QString &text, int key);
int xorValues(int a, int b);
