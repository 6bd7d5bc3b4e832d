#pragma once

#include "device/VendorReport.h"

#include <QVector>
#include <QtGlobal>

constexpr quint8 BatteryReply = 'H';
constexpr quint8 StatusReply = 'I';

// A change made on the mouse itself: bytes 4-7 of an 'I' reply.
struct StatusNews
{
    quint8 profile = 0;
    quint8 stage = 0;
    quint8 rate = 0;
    quint8 mode = 0;
};

// Writes the status request 05 24 FA 48 00..; hid_write's result.
int writeStatusRequest(hid_device *handle);
// readVendorReport into a buffer that holds only what arrived: all zero after a
// time-out or a failure. Returns its result.
int readStatusReply(hid_device *handle, quint8 *reply, int timeoutMs);
// 'H' or 'I' for a reply of n bytes of that kind; 0 for another kind or a reply cut
// short (bytes 4-7 carry the news of both kinds).
quint8 replyKind(const quint8 *reply, int n);

// Status news read by another reader than the status thread (the echo check) is
// kept here; the status thread passes it on before its own, in order, each once.
void keepStatusNews(const quint8 *reply);
void keepStatusNews(const StatusNews &news);
QVector<StatusNews> takeKeptStatusNews();
// True when kept news names a profile of the mouse other than `profile`.
bool keptNewsLeavesProfile(int profile);
// Drops the kept news of `profile`: a settings packet sent since overwrote it.
void dropKeptNewsOf(int profile);

// The profile an upload is writing, -1 while none runs. While one runs, sendReport
// writes nothing more once kept news names another profile of the mouse.
void setUploadProfile(int profile);
bool uploadProfileLeft();
