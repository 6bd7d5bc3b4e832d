#include "device/DeviceTable.h"
#include "device/VendorReport.h"
#include "platform/Sleep.h"
#include "tests/common/TestAppFolder.h"
#include "tests/common/TestMain.h"
#include "tests/device/FakeMouseSetup.h"
#include "tests/fakehid/FakeMouse.h"

#include <QTest>

#include <array>
#include <atomic>
#include <thread>

namespace {
std::atomic<int> sleptMs{0};

void countSleep(int ms)
{
    sleptMs += ms;
}

using Buffer = std::array<quint8, VendorBufferSize>;

// A 34-byte buffer as the builders fill it (report byte k at k+1).
Buffer makeReport(quint8 command, quint8 b4 = 0, quint8 b5 = 0, const QByteArray &data = {},
                  quint8 phase = 0)
{
    Buffer b{};
    b[1] = 0x05;
    b[3] = 0xFA;
    b[4] = command;
    b[5] = b4;
    b[6] = b5;
    b[7] = quint8(data.size());
    b[8] = phase;
    for (int i = 0; i < data.size() && i < VendorMaxData; ++i)
        b[size_t(9 + i)] = quint8(data[i]);
    return b;
}

Buffer settingsPacket()
{
    return makeReport(0x01, 0, 0, QByteArray::fromHex("0a0b0c0d0e02000103010101020408011f0205"),
                      0xD1);
}
} // namespace

Q_DECLARE_METATYPE(FakeFault)

class TestSendReport : public QObject
{
    Q_OBJECT
private:
    TestAppFolder *m_folder = nullptr;
    FakeMouse &mouse() { return FakeMouse::instance(); }

private slots:
    void initTestCase() { setSleepFunctionForTests(countSleep); }
    void cleanupTestCase() { setSleepFunctionForTests(nullptr); }

    void init()
    {
        m_folder = new TestAppFolder;
        openFakeMouse(*m_folder, false, true);
        sleptMs = 0;
    }

    void cleanup()
    {
        closeDevices();
        delete m_folder;
        m_folder = nullptr;
    }

    void checksumVectors()
    {
        QCOMPARE(reportChecksum(makeReport(0x46).data()), quint8(0x26));
        QCOMPARE(reportChecksum(makeReport(0x48).data()), quint8(0x24));
        // FA 01 00 00 13 D1: 0x1DF -> 0xDF ^ 0x66
        QCOMPARE(reportChecksum(settingsPacket().data()), quint8(0xB9));
        Buffer end = makeReport(0x02, 0x7F, 0x00, QByteArray(1, 0x1A), 0xD3);
        QCOMPARE(reportChecksum(end.data()), quint8(((0xFA + 0x02 + 0x7F + 0x01 + 0xD3) & 0xFF) ^ 0x66));
    }

    void sendFillsInTheChecksum()
    {
        Buffer b = makeReport(0x46);
        b[2] = 0x99; // ignored
        b[0] = 0x77; // not sent
        QCOMPARE(sendReport(b.data(), VendorReportSize), quint8(SendOk));
        const auto log = mouse().writtenReports();
        QCOMPARE(log.size(), 1);
        QCOMPARE(log[0].bytes.size(), VendorReportSize);
        QCOMPARE(quint8(log[0].bytes[0]), quint8(0x05));
        QCOMPARE(quint8(log[0].bytes[1]), quint8(0x26));
        QCOMPARE(mouse().protocolErrors().total(), 0);
        QCOMPARE(b[2], quint8(0x99)); // the caller's buffer is left alone
    }

    void compareEchoRules()
    {
        const Buffer sent = settingsPacket();
        Buffer reply = sent;
        QCOMPARE(compareEcho(sent.data(), reply.data(), true), int(EchoMatch));
        reply[2] ^= 0xFF; // checksum
        reply[8] = 0xD2;  // phase
        QCOMPARE(compareEcho(sent.data(), reply.data(), true), int(EchoMatch));
        for (int byte : {0, 2, 3, 4, 5, 6}) {
            reply = sent;
            reply[size_t(byte + 1)] ^= 0x01;
            QCOMPARE(compareEcho(sent.data(), reply.data(), false), int(EchoHeaderMismatch));
        }
        reply = sent;
        reply[9 + 18] ^= 0x01; // last data byte of 19
        QCOMPARE(compareEcho(sent.data(), reply.data(), true), int(EchoDataMismatch));
        QCOMPARE(compareEcho(sent.data(), reply.data(), false), int(EchoMatch));
        reply = sent;
        reply[9 + 19] = 0x55; // past the length
        QCOMPARE(compareEcho(sent.data(), reply.data(), true), int(EchoMatch));
        const Buffer empty = makeReport(0x46);
        reply = empty;
        reply[9] = 0x55;
        QCOMPARE(compareEcho(empty.data(), reply.data(), true), int(EchoMatch));
    }

    void comparedLengthIsAtMost25()
    {
        Buffer sent = makeReport(0x01, 0, 0, QByteArray(25, 0x11), 0xD2);
        sent[7] = 200;
        Buffer reply = sent;
        QCOMPARE(compareEcho(sent.data(), reply.data(), true), int(EchoMatch));
        reply[33] ^= 0x01; // report byte 32, the last data byte
        QCOMPARE(compareEcho(sent.data(), reply.data(), true), int(EchoDataMismatch));
        QCOMPARE(sendReport(sent.data(), VendorReportSize), quint8(SendOk));
        QCOMPARE(mouse().protocolErrors().lengthAbove25, 1);
    }

    void noVendorInterface()
    {
        closeDevices();
        const Buffer b = makeReport(0x46);
        QCOMPARE(sendReport(b.data(), VendorReportSize), quint8(SendNoDevice));
        QCOMPARE(mouse().writeCount(), 0);
    }

    void commandsWithoutEcho_data()
    {
        QTest::addColumn<int>("command");
        QTest::newRow("0x41") << 0x41;
        QTest::newRow("0x42") << 0x42;
        QTest::newRow("0x44") << 0x44;
        QTest::newRow("0x48") << 0x48;
    }

    void commandsWithoutEcho()
    {
        QFETCH(int, command);
        mouse().armFault(FakeFault::WrongHeader);
        const Buffer b = makeReport(quint8(command));
        QCOMPARE(sendReport(b.data(), VendorReportSize), quint8(SendOk));
        QCOMPARE(mouse().writeCount(), 1);
        QCOMPARE(mouse().readCount(), 0);
        QCOMPARE(int(sleptMs), 10);
    }

    void headerOnlyCommandsIgnoreData_data()
    {
        QTest::addColumn<int>("command");
        QTest::newRow("commit") << 0x40;
        QTest::newRow("bracket") << 0x46;
    }

    void headerOnlyCommandsIgnoreData()
    {
        QFETCH(int, command);
        mouse().armFault(FakeFault::WrongData);
        const Buffer b = makeReport(quint8(command), 0xF3, 0x01);
        QCOMPARE(sendReport(b.data(), VendorReportSize), quint8(SendOk));
        QCOMPARE(mouse().writeCount(), 1);
    }

    // Writes, reads and sleeps of one call for every fault mode.
    void budgets_data()
    {
        QTest::addColumn<FakeFault>("fault");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("writes");
        QTest::addColumn<int>("reads");
        QTest::addColumn<int>("slept");
        // Every read timing out counts as "no echo" after six writes (not as written).
        QTest::newRow("no answer") << FakeFault::NoAnswer << -1 << 2 << 6 << 6 << 60;
        // Zero reports are skipped (first byte not 0x05), then the read times out.
        QTest::newRow("all-zero replies") << FakeFault::ZeroReplies << -1 << 2 << 6 << 12 << 60;
        QTest::newRow("read failures") << FakeFault::ReadFailure << -1 << 2 << 3 << 32
                                       << 3 * 10 + 29 * 50;
        QTest::newRow("wrong header") << FakeFault::WrongHeader << -1 << 2 << 3 << 22
                                      << 3 * 10 + 19 * 50;
        QTest::newRow("wrong data") << FakeFault::WrongData << -1 << 2 << 3 << 3 << 30;
        QTest::newRow("write failure") << FakeFault::WriteFailure << -1 << 4 << 1 << 0 << 0;
        QTest::newRow("two read failures") << FakeFault::ReadFailure << 2 << 0 << 1 << 3 << 110;
        QTest::newRow("one late echo") << FakeFault::LateEcho << 1 << 0 << 2 << 2 << 20;
        QTest::newRow("one zero reply") << FakeFault::ZeroReplies << 1 << 0 << 2 << 3 << 20;
        QTest::newRow("one lost reply") << FakeFault::NoAnswer << 1 << 0 << 2 << 2 << 20;
        QTest::newRow("one wrong data") << FakeFault::WrongData << 1 << 0 << 2 << 2 << 20;
        // The stale wrong reply is judged again after each empty re-read.
        QTest::newRow("one wrong header") << FakeFault::WrongHeader << 1 << 0 << 2 << 21
                                          << 2 * 10 + 19 * 50;
        QTest::newRow("five lost replies") << FakeFault::NoAnswer << 5 << 0 << 6 << 6 << 60;
    }

    void budgets()
    {
        QFETCH(FakeFault, fault);
        QFETCH(int, count);
        QFETCH(int, result);
        QFETCH(int, writes);
        QFETCH(int, reads);
        QFETCH(int, slept);
        mouse().armFault(fault, count);
        const Buffer b = settingsPacket();
        QCOMPARE(int(sendReport(b.data(), VendorReportSize)), result);
        QCOMPARE(mouse().writeCount(), writes);
        QCOMPARE(mouse().readCount(), reads);
        QCOMPARE(int(sleptMs), slept);
    }

    void cleanEcho()
    {
        const Buffer b = settingsPacket();
        QCOMPARE(sendReport(b.data(), VendorReportSize), quint8(SendOk));
        QCOMPARE(mouse().writeCount(), 1);
        QCOMPARE(mouse().readCount(), 1);
        QCOMPARE(int(sleptMs), 10);
        QCOMPARE(mouse().protocolErrors().total(), 0);
    }

    void mouseInputBetweenEchoesIsSkipped()
    {
        mouse().setInterleavedMouseReports(3);
        const Buffer b = settingsPacket();
        QCOMPARE(sendReport(b.data(), VendorReportSize), quint8(SendOk));
        QCOMPARE(mouse().writeCount(), 1);
        QCOMPARE(mouse().readCount(), 4);
    }

    // The second echo of a rewritten report is still queued when the next
    // report is sent: it is a header mismatch and the next read finds the echo.
    void staleEchoOfTheLastReport()
    {
        mouse().armFault(FakeFault::LateEcho, 1);
        const Buffer first = makeReport(0x46, 0);
        QCOMPARE(sendReport(first.data(), VendorReportSize), quint8(SendOk));
        mouse().clearLog();
        sleptMs = 0;
        const Buffer second = makeReport(0x40, 0xF3, 0x04);
        QCOMPARE(sendReport(second.data(), VendorReportSize), quint8(SendOk));
        QCOMPARE(mouse().writeCount(), 1);
        QCOMPARE(mouse().readCount(), 2);
        QCOMPARE(int(sleptMs), 60);
    }

    void unplugBetweenTwoReports()
    {
        mouse().unplugAfterReports(FakeLink::Cable, 1);
        const Buffer b = settingsPacket();
        QCOMPARE(sendReport(b.data(), VendorReportSize), quint8(SendOk));
        QCOMPARE(sendReport(b.data(), VendorReportSize), quint8(SendWriteFailed));
        QCOMPARE(mouse().writeCount(), 2);
    }

    void unplugDuringTheEchoWait()
    {
        mouse().unplugAfterReports(FakeLink::Cable, 1);
        mouse().armFault(FakeFault::NoAnswer, 1);
        // The reply is lost, the rewrite finds the link gone.
        const Buffer b = settingsPacket();
        QCOMPARE(sendReport(b.data(), VendorReportSize), quint8(SendWriteFailed));
        QCOMPARE(mouse().writeCount(), 2);
    }

    void waitsForTheDeviceMutex()
    {
        std::atomic<int> result{-1};
        deviceMutex().lock();
        std::thread sender([&] {
            const Buffer b = settingsPacket();
            result = sendReport(b.data(), VendorReportSize);
        });
        QTest::qSleep(5);
        QCOMPARE(mouse().writeCount(), 0);
        deviceMutex().unlock();
        sender.join();
        QCOMPARE(int(result), int(SendOk));
        QCOMPARE(mouse().writeCount(), 1);
    }
};

MOUSECFG_TEST(TestSendReport)
#include "TestSendReport.moc"
