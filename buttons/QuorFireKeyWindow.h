#pragma once

#include "buttons/KeyCaptureHook.h"
#include "buttons/QuorParamDialog.h"
#include "storage/SettingsBlock.h"

#include <array>

class QCheckBox;
class QLineEdit;
class QuorLabel;
class QuorPushButton;

// A fire key: the left, right or middle button or one keyboard key, repeated Times
// times with a Delay (1 to 255 each). Keys are captured only in Keyboard Key mode and
// only while neither edit has the focus; in that mode Escape and Return are keys, and
// OK waits for a key the mouse can send. OK also waits for both counts.
class QuorFireKeyWindow : public QuorParamDialog
{
    Q_OBJECT
public:
    enum Mode : quint8 { LeftMode, RightMode, MiddleMode, KeyboardMode, ModeCount };

    explicit QuorFireKeyWindow(QWidget *parent = nullptr);
    ~QuorFireKeyWindow() override;

    void loadRecord(const ButtonSlot &slot);
    void setMode();
    // Whether the key was taken.
    bool onKey(int code, int flags);

    quint8 mode() const { return m_mode; }
    quint8 keyCode() const { return m_keyCode; }
    QString timesText() const;
    QString delayText() const;

    QCheckBox *modeBox(int mode) const { return m_boxes[size_t(mode)]; }
    QLineEdit *timesEdit() const { return m_times; }
    QLineEdit *delayEdit() const { return m_delay; }
    QuorPushButton *keyField() const { return m_keyField; }

    void retranslate();

signals:
    void SetFireKeyValue(uchar keyCode, uchar mode, uchar times, uchar delay);

public slots:
    void OnEditDataChanged(const QString &text);
    void checkbtn_clicked();
    void onEditReturn();

protected:
    bool canAccept() const override;
    bool keysCaptured() const override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void buildUi();
    void buildLayout(double scale);
    void emitValues();

    KeyCaptureHook m_hook;
    bool m_capturing = true;
    quint8 m_mode = LeftMode;
    quint8 m_keyCode = 0;
    QLineEdit *m_times = nullptr;
    QLineEdit *m_delay = nullptr;
    QuorLabel *m_timesLabel = nullptr;
    QuorLabel *m_delayLabel = nullptr;
    QuorPushButton *m_keyField = nullptr;
    std::array<QCheckBox *, ModeCount> m_boxes{};
};
