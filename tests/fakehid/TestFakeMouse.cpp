#include "tests/common/TestMain.h"
#include "tests/fakehid/FakeMouse.h"

#include <hidapi.h>

#include <QElapsedTimer>
#include <QTest>

#include <array>
#include <atomic>
#include <thread>

namespace {
using Report = std::array<quint8, 33>;

quint8 checksumOf(const Report &r)
{
    int sum = 0;
    for (int i = 2; i <= 7; ++i)
        sum += r[size_t(i)];
    return quint8((sum & 0xFF) ^ 0x66);
}

Report vendorReport(quint8 command, int address, const QByteArray &data, quint8 phase)
{
    Report r{};
    r[0] = 0x05;
    r[2] = 0xFA;
    r[3] = command;
    r[4] = quint8(address & 0xFF);
    r[5] = quint8(address >> 8);
    r[6] = quint8(data.size());
    r[7] = phase;
    for (int i = 0; i < data.size() && i < 25; ++i)
        r[size_t(8 + i)] = quint8(data[i]);
    r[1] = checksumOf(r);
    return r;
}

Report endPacket(quint8 command)
{
    return vendorReport(command, command == 0x05 ? 0x0FFF : 0x7F, QByteArray(1, 0x1A), 0xD3);
}

QByteArray bytes(const Report &r)
{
    return QByteArray(reinterpret_cast<const char *>(r.data()), int(r.size()));
}
} // namespace

class TestFakeMouse : public QObject
{
    Q_OBJECT
private:
    hid_device *m_vendor = nullptr;
    FakeMouse &mouse() { return FakeMouse::instance(); }

    int write(const Report &r) { return hid_write(m_vendor, r.data(), r.size()); }

    QByteArray read(hid_device *device)
    {
        Report r{};
        const int n = hid_read_timeout(device, r.data(), r.size(), 150);
        return n < 0 ? QByteArray("failed") : bytes(r).left(n);
    }

private slots:
    void init()
    {
        mouse().reset();
        mouse().plug(FakeLink::Cable);
        m_vendor = hid_open_path(mouse().path(FakeLink::Cable).constData());
        QVERIFY(m_vendor);
    }

    void cleanup()
    {
        hid_close(m_vendor);
        m_vendor = nullptr;
        QCOMPARE(mouse().openHandleCount(), 0);
    }

    void enumerationListsTwoCollectionsOnOnePath()
    {
        mouse().plug(FakeLink::Receiver);
        mouse().setReleaseNumber(FakeLink::Receiver, 0x0123);
        hid_device_info *list = hid_enumerate(0x248A, 0xFA02);
        QVERIFY(list && list->next && !list->next->next);
        QCOMPARE(QByteArray(list->path), mouse().path(FakeLink::Receiver));
        QCOMPARE(QByteArray(list->next->path), mouse().path(FakeLink::Receiver));
        QCOMPARE(int(list->usage_page), 1);
        QCOMPARE(int(list->usage), 2);
        QCOMPARE(int(list->next->usage_page), 1);
        QCOMPARE(int(list->next->usage), 0);
        QCOMPARE(int(list->release_number), 0x0123);
        hid_free_enumeration(list);

        mouse().setDuplicateEntries(true);
        mouse().addForeignEntry(0x046D, 0xC077, "/dev/hidraw0", 1, 2);
        int count = 0;
        list = hid_enumerate(0, 0);
        for (hid_device_info *e = list; e; e = e->next)
            ++count;
        hid_free_enumeration(list);
        QCOMPARE(count, 9);
        QVERIFY(!hid_open_path("/dev/hidraw0"));
        mouse().unplug(FakeLink::Receiver);
        QVERIFY(!hid_open_path(mouse().path(FakeLink::Receiver).constData()));
    }

    void cleanTransferAppliesOnTheEndPacket()
    {
        const QByteArray general = QByteArray::fromHex("0102030405020300050101080402010f1f0307");
        QCOMPARE(write(vendorReport(0x01, 0, general, 0xD1)), 33);
        QCOMPARE(mouse().state().transfersApplied[1], 0);
        QCOMPARE(mouse().state().general[0], quint8(0));
        QCOMPARE(write(endPacket(0x01)), 33);
        const FakeMouseState s = mouse().state();
        QCOMPARE(s.transfersApplied[1], 1);
        QCOMPARE(s.scrollSpeed(4), quint8(5));
        QCOMPARE(s.liftHigh(), quint8(2));
        QCOMPARE(s.currentProfile(), quint8(3));
        QCOMPARE(s.ledSleepTime(), quint8(5));
        QCOMPARE(s.pollRate(0), quint8(8));
        QCOMPARE(s.pollRate(4), quint8(0x0F));
        QCOMPARE(s.activeDpiStage(), quint8(3));
        QCOMPARE(s.ledMode(), quint8(7));
        QCOMPARE(mouse().protocolErrors().total(), 0);
        QCOMPARE(mouse().commandSequence(), QByteArray::fromHex("0101"));
    }

    void tablesDecode()
    {
        write(vendorReport(0x02, 0, QByteArray(1, 3), 0xD1));
        for (int i = 0; i < 8; ++i) {
            write(vendorReport(0x02, 1 + 5 * i,
                               QByteArray::fromHex("01") + char(i) + char(1) + char(0x40) + char(0x81),
                               0xD2));
        }
        write(endPacket(0x02));
        QByteArray table(98, '\0');
        table[0] = 0x0A;
        table[2 + 4 * 5] = char(0x91);
        table[2 + 4 * 5 + 1] = char(0x83);
        write(vendorReport(0x03, 0, table.left(2), 0xD1));
        for (int a : {2, 26, 50, 74})
            write(vendorReport(0x03, a, table.mid(a, 24), 0xD2));
        write(vendorReport(0x03, 0x62, QByteArray(4, char(0xFF)), 0xD2));
        write(endPacket(0x03));
        QByteArray lighting(80, '\0');
        lighting.replace(8, 8, QByteArray::fromHex("80ff000001000203"));
        for (int a : {0, 24, 48})
            write(vendorReport(0x04, a, lighting.mid(a, 24), a == 0 ? 0xD1 : 0xD2));
        write(vendorReport(0x04, 72, lighting.mid(72, 8), 0xD2));
        write(endPacket(0x04));
        // Slot 1 only: its first packet is a following one.
        for (int j = 0; j < 10; ++j)
            write(vendorReport(0x05, 200 + 20 * j, QByteArray(20, char(j + 1)), 0xD2));
        write(endPacket(0x05));

        const FakeMouseState s = mouse().state();
        QCOMPARE(s.dpiStageCount(), quint8(3));
        QCOMPARE(s.dpiStageUsed(7), quint8(1));
        QCOMPARE(s.dpiFirstValue(6), quint16(0x0106));
        QCOMPARE(s.dpiSecondValue(6), quint16(0x8140));
        QCOMPARE(s.buttonEntry(5), QByteArray::fromHex("91830000"));
        QCOMPARE(s.buttons[0], quint8(0x0A));
        QCOMPARE(s.buttons[101], quint8(0xFF));
        QCOMPARE(s.lightingEntry(1), QByteArray::fromHex("80ff000001000203"));
        QCOMPARE(s.macroSlot(0), QByteArray(200, '\0'));
        QCOMPARE(s.macroSlot(1).left(20), QByteArray(20, 1));
        QCOMPARE(s.macroSlot(1).right(20), QByteArray(20, 10));
        QCOMPARE(mouse().protocolErrors().total(), 0);
    }

    // A sender that missed the echo writes the end packet again.
    void repeatedEndPacketIsARetry()
    {
        write(vendorReport(0x01, 0, QByteArray(19, 4), 0xD1));
        write(endPacket(0x01));
        write(endPacket(0x01));
        QCOMPARE(mouse().state().transfersApplied[1], 1);
        QCOMPARE(mouse().protocolErrors().total(), 0);
        write(vendorReport(0x01, 1, QByteArray(18, 5), 0xD2));
        QCOMPARE(mouse().protocolErrors().followingWithoutFirst, 1);
    }

    // A macro upload writes only the slots it sends.
    void macroSlotsNotSentAreKept()
    {
        for (int j = 0; j < 10; ++j)
            write(vendorReport(0x05, 20 * j, QByteArray(20, 7), j == 0 ? 0xD1 : 0xD2));
        write(endPacket(0x05));
        for (int j = 0; j < 10; ++j)
            write(vendorReport(0x05, 400 + 20 * j, QByteArray(20, 9), 0xD2));
        write(endPacket(0x05));
        const FakeMouseState s = mouse().state();
        QCOMPARE(s.macroSlot(0), QByteArray(200, 7));
        QCOMPARE(s.macroSlot(2), QByteArray(200, 9));
        QCOMPARE(s.transfersApplied[5], 2);
    }

    void protocolErrorsAreCounted()
    {
        Report r = vendorReport(0x46, 0, {}, 0);
        r[1] ^= 1;
        write(r);
        QCOMPARE(mouse().protocolErrors().badChecksum, 1);
        r = vendorReport(0x46, 0, {}, 0);
        r[2] = 0xFB;
        r[1] = checksumOf(r);
        write(r);
        QCOMPARE(mouse().protocolErrors().badSignature, 1);
        r = vendorReport(0x01, 1, QByteArray(25, 1), 0xD2);
        r[6] = 26;
        r[1] = checksumOf(r);
        write(r);
        QCOMPARE(mouse().protocolErrors().lengthAbove25, 1);
        QCOMPARE(mouse().protocolErrors().followingWithoutFirst, 1);
        r = vendorReport(0x01, 0, QByteArray(3, 1), 0xD1);
        r[20] = 1;
        write(r);
        QCOMPARE(mouse().protocolErrors().dataPastLength, 1);
        write(vendorReport(0x01, 0x7E, QByteArray(1, 0x1A), 0xD3));
        QCOMPARE(mouse().protocolErrors().badEndPacket, 1);
        QCOMPARE(mouse().state().transfersApplied[1], 0);
        write(endPacket(0x02));
        QCOMPARE(mouse().protocolErrors().followingWithoutFirst, 2);
        write(vendorReport(0x01, 0, QByteArray(1, 1), 0xD1));
        write(vendorReport(0x01, 10, QByteArray(19, 1), 0xD2));
        QCOMPARE(mouse().protocolErrors().badAddress, 1);
        write(vendorReport(0x03, 0, QByteArray(2, 1), 0x00));
        QCOMPARE(mouse().protocolErrors().badPhase, 1);
        // Only the packet at address 0 is a first packet, also for a macro slot.
        write(vendorReport(0x02, 5, QByteArray(1, 1), 0xD1));
        write(vendorReport(0x05, 0, QByteArray(20, 1), 0xD2));
        QCOMPARE(mouse().protocolErrors().badPhase, 3);
        QCOMPARE(hid_write(m_vendor, vendorReport(0x46, 0, {}, 0).data(), 20), 20);
        QCOMPARE(mouse().protocolErrors().badSize, 1);
        QCOMPARE(mouse().protocolErrors().total(), 12);
        mouse().clearLog();
        QCOMPARE(mouse().protocolErrors().total(), 0);
    }

    void commandsAreRecorded()
    {
        write(vendorReport(0x46, 0, {}, 0));
        for (quint8 flag : {0x04, 0x01, 0x02, 0x08, 0x10})
            write(vendorReport(0x40, 0xF3 | flag << 8, {}, 0));
        write(vendorReport(0x44, 3, {}, 0));
        write(vendorReport(0x46, 1, {}, 0));
        const FakeMouseState s = mouse().state();
        QCOMPARE(s.sessionBegins, 1);
        QCOMPARE(s.sessionEnds, 1);
        QCOMPARE(s.commits.size(), 5);
        QCOMPARE(s.commits[0].code, quint8(0xF3));
        QCOMPARE(s.commits[4].flag, quint8(0x10));
        QCOMPARE(s.profileSwitches, QVector<int>{3});
        QCOMPARE(s.activeProfile, 3);
        QCOMPARE(mouse().memory(0x2C, 1), QByteArray(1, 3));
        QCOMPARE(mouse().writtenReports().size(), 8);
        QCOMPARE(mouse().commandSequence(), QByteArray::fromHex("4640404040404446"));
    }

    void echoesReachEveryHandleOfThePath()
    {
        hid_device *mouseHandle = hid_open_path(mouse().path(FakeLink::Cable).constData());
        const Report r = vendorReport(0x46, 0, {}, 0);
        write(r);
        QCOMPARE(read(m_vendor), bytes(r));
        QCOMPARE(read(mouseHandle), bytes(r));
        QCOMPARE(read(m_vendor), QByteArray());
        write(vendorReport(0x44, 1, {}, 0)); // not echoed
        QCOMPARE(read(m_vendor), QByteArray());
        mouse().sendMouseInput(FakeLink::Cable);
        QCOMPARE(read(mouseHandle), QByteArray::fromHex("0100010000000000"));
        hid_close(mouseHandle);
    }

    void statusReplies()
    {
        mouse().setBattery(0x03E2, 1);
        mouse().setWriteStatus(0);
        mouse().setStatusByte(8);
        const Report request = vendorReport(0x48, 0, {}, 0);
        QCOMPARE(request[1], quint8(0x24));
        write(request);
        QByteArray h = read(m_vendor);
        QCOMPARE(h.size(), 33);
        QCOMPARE(h.left(11), QByteArray::fromHex("0500fa48e2030100000008").replace(1, 1, h.mid(1, 1)));
        mouse().setMouseOff(true);
        write(request);
        h = read(m_vendor);
        QCOMPARE(h.mid(3, 8), QByteArray::fromHex("4800000000000008"));
        mouse().sendStatusReply(FakeLink::Cable, 2, 5, 4, 9);
        QCOMPARE(read(m_vendor).mid(2, 6), QByteArray::fromHex("fa4902050409"));
        mouse().sendStatusReply(FakeLink::Receiver, 1, 1, 1, 1); // not plugged: lost
        QCOMPARE(read(m_vendor), QByteArray());
    }

    void replyFaults()
    {
        const Report r = vendorReport(0x01, 0, QByteArray(19, 2), 0xD1);
        mouse().armFault(FakeFault::WrongHeader, 1);
        write(r);
        QCOMPARE(quint8(read(m_vendor)[2]), quint8(0xFB));
        mouse().armFault(FakeFault::WrongData, 1);
        write(r);
        QCOMPARE(quint8(read(m_vendor)[8]), quint8(0xFD));
        mouse().armFault(FakeFault::ZeroReplies, 1);
        write(r);
        QCOMPARE(read(m_vendor), QByteArray(33, '\0'));
        mouse().armFault(FakeFault::NoAnswer, 1, 1); // the second reply is lost
        write(r);
        write(r);
        QCOMPARE(read(m_vendor), bytes(r));
        QCOMPARE(read(m_vendor), QByteArray());
        mouse().setLateEchoReads(2);
        mouse().armFault(FakeFault::LateEcho, 1);
        write(r);
        QCOMPARE(read(m_vendor), QByteArray());
        QCOMPARE(read(m_vendor), QByteArray());
        QCOMPARE(read(m_vendor), bytes(r));
        mouse().setInterleavedMouseReports(2);
        write(r);
        QCOMPARE(read(m_vendor).size(), 8);
        QCOMPARE(read(m_vendor).size(), 8);
        QCOMPARE(read(m_vendor), bytes(r));
    }

    void readAndWriteFailures()
    {
        mouse().armFault(FakeFault::ReadFailure, 2);
        QCOMPARE(read(m_vendor), QByteArray("failed"));
        QCOMPARE(read(m_vendor), QByteArray("failed"));
        QCOMPARE(read(m_vendor), QByteArray());
        mouse().armFault(FakeFault::WriteFailure, 1);
        QCOMPARE(write(vendorReport(0x46, 0, {}, 0)), -1);
        QCOMPARE(write(vendorReport(0x46, 0, {}, 0)), 33);
        const auto log = mouse().writtenReports();
        QCOMPARE(log.size(), 2);
        QVERIFY(!log[0].accepted);
        QVERIFY(log[1].accepted);
        QCOMPARE(mouse().state().sessionBegins, 1);
        QCOMPARE(mouse().writeCount(), 2);
        QCOMPARE(mouse().readCount(), 3);
    }

    void unplugKillsOpenHandles()
    {
        mouse().unplugAfterReports(FakeLink::Cable, 2);
        const Report r = vendorReport(0x46, 0, {}, 0);
        QCOMPARE(write(r), 33);
        QCOMPARE(write(r), 33);
        QVERIFY(mouse().isPlugged(FakeLink::Cable));
        QCOMPARE(write(r), -1);
        QVERIFY(!mouse().isPlugged(FakeLink::Cable));
        QCOMPARE(read(m_vendor), QByteArray("failed"));
        mouse().plug(FakeLink::Cable);
        QCOMPARE(write(r), -1); // the old handle stays dead
    }

    void memoryCommands()
    {
        write(vendorReport(0x42, 0x0032, QByteArray::fromHex("01020304"), 0));
        hid_device *mouseHandle = hid_open_path(mouse().path(FakeLink::Cable).constData());
        Report request{};
        request[0] = 0xFA;
        request[1] = 0x41;
        request[2] = 0x32;
        request[4] = 4;
        QCOMPARE(hid_send_feature_report(mouseHandle, request.data(), request.size()), 33);
        Report answer{};
        answer[0] = 0xFA;
        QCOMPARE(hid_get_feature_report(mouseHandle, answer.data(), answer.size()), 33);
        QCOMPARE(bytes(answer).left(2), QByteArray::fromHex("fa41"));
        QCOMPARE(bytes(answer).mid(8, 5), QByteArray::fromHex("0102030400"));
        hid_close(mouseHandle);
    }

    void queueHoldsAtMost64Reports()
    {
        for (int i = 0; i < 70; ++i)
            mouse().sendMouseInput(FakeLink::Cable);
        int count = 0;
        while (!read(m_vendor).isEmpty())
            ++count;
        QCOMPARE(count, 64);
    }

    // A reader waiting on an empty queue wakes when a report arrives.
    void readersWaitWithoutSpinning()
    {
        mouse().setReadWaitMs(2000);
        std::thread writer([this] {
            QTest::qSleep(5);
            mouse().sendStatusReply(FakeLink::Cable, 1, 2, 3, 4);
        });
        QElapsedTimer timer;
        timer.start();
        const QByteArray reply = read(m_vendor);
        writer.join();
        QCOMPARE(reply.size(), 33);
        QVERIFY(timer.elapsed() < 1000);
        QCOMPARE(hid_set_nonblocking(m_vendor, 1), 0);
        QCOMPARE(read(m_vendor), QByteArray());
    }

    void concurrentWritersAndReaders()
    {
        std::atomic<int> echoes{0};
        std::thread reader([&] {
            hid_device *h = hid_open_path(mouse().path(FakeLink::Cable).constData());
            Report r{};
            for (int i = 0; i < 2000 && echoes < 200; ++i) {
                if (hid_read_timeout(h, r.data(), r.size(), 0) > 0)
                    ++echoes;
                if (i % 16 == 0)
                    mouse().state();
            }
            hid_close(h);
        });
        for (int i = 0; i < 200; ++i)
            write(vendorReport(0x46, 0, {}, 0));
        reader.join();
        QCOMPARE(mouse().state().sessionBegins, 200);
        QCOMPARE(mouse().writeCount(), 200);
    }
};

MOUSECFG_TEST(TestFakeMouse)
#include "TestFakeMouse.moc"
