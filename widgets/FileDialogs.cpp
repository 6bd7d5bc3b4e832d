#include "widgets/FileDialogs.h"

#include "widgets/ModalGate.h"
#include "widgets/UiScale.h"

#include <QDateTime>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QLocale>
#include <QListView>
#include <QScreen>
#include <QSplitter>
#include <QToolButton>
#include <QTreeView>

#include <algorithm>

namespace {
FileDialogFunction &testAnswer()
{
    static FileDialogFunction answer;
    return answer;
}

// Design pixels of the dialog at scale 1, and of its icons.
constexpr int DialogWidth = 680;
constexpr int DialogHeight = 440;
constexpr int IconSide = 16;
// Room beside a column's text for the margins, the sort arrow and, in the first, the icon.
constexpr int ColumnRoom = 24;

// The dialog's font at the scale: its size in pixels at 96 dots an inch, times the scale.
QFont scaledFont(QFont font, double scale)
{
    const double pixels = font.pointSizeF() > 0 ? font.pointSizeF() * 96.0 / 72.0 : font.pixelSize();
    font.setPixelSize(std::max(1, int(pixels * scale + 0.5)));
    return font;
}

void sizeColumns(QFileDialog &dialog, double scale)
{
    auto *tree = dialog.findChild<QTreeView *>(QStringLiteral("treeView"));
    if (!tree)
        return;
    const QFontMetrics metrics(dialog.font());
    // A long name, size, type and date of the files the program reads and writes.
    const QDateTime late(QDate(2028, 12, 28), QTime(22, 58));
    const QString widest[] = {QStringLiteral("wwwwwwwwwwww"), QStringLiteral("88.8 KiB"),
                              QStringLiteral("MSMACRO File"), QLocale::system().toString(late, QLocale::ShortFormat)};
    const int room = scaledPixels(ColumnRoom, scale);
    for (int column = 0; column < 4 && column < tree->header()->count(); ++column)
        tree->header()->resizeSection(column, metrics.horizontalAdvance(widest[column]) + room);
}

// The side bar as wide as its longest place, the file list beside it.
void sizeSidebar(QFileDialog &dialog, int dialogWidth)
{
    auto *sidebar = dialog.findChild<QListView *>(QStringLiteral("sidebar"));
    auto *splitter = dialog.findChild<QSplitter *>(QStringLiteral("splitter"));
    if (!sidebar || !splitter || splitter->count() != 2)
        return;
    const int width = sidebar->sizeHintForColumn(0) + 2 * sidebar->frameWidth() + 2 * sidebar->spacing()
                      + sidebar->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    splitter->setSizes({width, std::max(dialogWidth - width, width)});
}

// Everything in the dialog grows with the window's scale; its size stays within the
// screen, or within the window it stands over where that is larger.
void scaleFileDialog(QFileDialog &dialog, double scale)
{
    dialog.setFont(scaledFont(dialog.font(), scale));
    const QSize icons(scaledPixels(IconSide, scale), scaledPixels(IconSide, scale));
    for (QAbstractItemView *view : dialog.findChildren<QAbstractItemView *>())
        view->setIconSize(icons);
    for (QToolButton *button : dialog.findChildren<QToolButton *>())
        button->setIconSize(icons);
    QSize size(scaledPixels(DialogWidth, scale), scaledPixels(DialogHeight, scale));
    if (const QScreen *screen = dialog.screen()) {
        const QWidget *window = dialog.parentWidget();
        size = size.boundedTo(window ? screen->availableSize().expandedTo(window->size()) : screen->availableSize());
    }
    dialog.resize(size.expandedTo(dialog.minimumSizeHint()));
    sizeColumns(dialog, scale);
    sizeSidebar(dialog, dialog.width());
}

QStringList runDialog(QFileDialog &dialog)
{
    scaleFileDialog(dialog, uiScale());
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles() : QStringList();
}

QStringList askPaths(const FileDialogRequest &r, const QString &defaultSuffix)
{
    if (testAnswer())
        return testAnswer()(r);
    // A page's style sheet would reach the dialog's own labels and headers: every
    // dialog stands over the window, as one opened by the window does.
    QWidget *parent = r.parent ? r.parent->window() : nullptr;
    QFileDialog dialog(parent, r.caption, r.path, r.kind == FileDialogKind::Directory ? QString() : r.filter);
    switch (r.kind) {
    case FileDialogKind::OpenFile:
        dialog.setFileMode(QFileDialog::ExistingFile);
        return runDialog(dialog).mid(0, 1);
    case FileDialogKind::OpenFiles:
        dialog.setFileMode(QFileDialog::ExistingFiles);
        return runDialog(dialog);
    case FileDialogKind::SaveFile:
        // The dialog asks before it replaces the file of the name with its suffix.
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(defaultSuffix);
        return runDialog(dialog).mid(0, 1);
    case FileDialogKind::Directory:
        dialog.setFileMode(QFileDialog::Directory);
        dialog.setOption(QFileDialog::ShowDirsOnly);
        return runDialog(dialog).mid(0, 1);
    }
    return {};
}

QString withDefaultSuffix(const QString &path, const QString &suffix)
{
    const QString name = QFileInfo(path).fileName();
    if (suffix.isEmpty() || name.isEmpty() || name.contains(QLatin1Char('.')))
        return path;
    return path + QLatin1Char('.') + suffix;
}
}

void setFileDialogForTests(FileDialogFunction answer)
{
    testAnswer() = std::move(answer);
}

// A test's answer counts as an open dialog too.
QStringList runFileDialog(const FileDialogRequest &r, const QString &defaultSuffix)
{
    QStringList paths;
    ModalGate::run([&] {
        paths = askPaths(r, defaultSuffix);
        return 0;
    });
    if (r.kind == FileDialogKind::SaveFile && !paths.isEmpty())
        paths[0] = withDefaultSuffix(paths[0], defaultSuffix);
    return paths;
}
