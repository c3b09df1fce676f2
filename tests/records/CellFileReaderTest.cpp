#include "platform/Error.h"
#include "records/CellFileReader.h"
#include "records/LoadMessages.h"
#include "tests/support/TestRegistry.h"
#include "tools/simulator/CellFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <csignal>
#include <thread>

#include <sys/stat.h>

using simulator::CellFile;

namespace {

QString failureOf(const QString& path)
{
    auto buffer = std::make_unique<records::ReadBuffer>();
    try {
        records::readCellFile(path, *buffer);
    } catch (const platform::Error& error) {
        return error.message();
    }
    return {};
}

} // namespace

class CellFileReaderTest final : public QObject {
    Q_OBJECT

    QTemporaryDir m_folder;

    QString written(const QString& name, const CellFile& file)
    {
        const QString path = m_folder.filePath(name);
        file.writeTo(path);
        return path;
    }

    static CellFile ofSize(int size, int testNumber)
    {
        CellFile file;
        file.resize(size);
        if (size >= 1) file.setByte(0, static_cast<std::uint8_t>(testNumber & 0xFF));
        if (size >= 2) file.setByte(1, static_cast<std::uint8_t>(testNumber >> 8));
        return file;
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY(m_folder.isValid()); }

    void readsWholeFile_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("testNumber");
        QTest::newRow("two bytes, test 1") << 2 << 1;
        QTest::newRow("the device's 9728 bytes") << 9728 << 7;
        QTest::newRow("exactly a slot, test 999") << 10001 << 999;
    }

    void readsWholeFile()
    {
        QFETCH(int, size);
        QFETCH(int, testNumber);
        CellFile file = ofSize(size, testNumber);
        if (size > 2) file.setByte(size - 1, 0x77);
        auto buffer = std::make_unique<records::ReadBuffer>();
        buffer->fill(0x11);
        const records::LoadedFile loaded =
            records::readCellFile(written(QStringLiteral("good.cell"), file), *buffer);
        QCOMPARE(loaded.size, size);
        QCOMPARE(loaded.testNumber, testNumber);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(buffer->data()), size), file.bytes());
        // The export reads into an empty slot and relies on its tail staying as it was.
        QVERIFY(std::all_of(buffer->begin() + size, buffer->end(),
                            [](std::uint8_t byte) { return byte == 0x11; }));
    }

    // The message names the file as given and says why it does not fit.
    void rejectsFilesThatDoNotFit_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("testNumber");
        QTest::addColumn<QString>("reason");
        QTest::newRow("empty") << 0 << 0
                               << "длина файла 0 байт, а номер испытания записан в первых двух байтах.";
        QTest::newRow("one byte") << 1 << 7
                                  << "длина файла 1 байт, а номер испытания записан в первых двух байтах.";
        QTest::newRow("test number 0")
            << 9728 << 0 << "номер испытания 0 вне допустимого диапазона от 1 до 999.";
        QTest::newRow("test number 1000")
            << 9728 << 1000 << "номер испытания 1000 вне допустимого диапазона от 1 до 999.";
        QTest::newRow("test number 65535")
            << 2 << 65535 << "номер испытания 65535 вне допустимого диапазона от 1 до 999.";
        QTest::newRow("one byte too long")
            << 10002 << 7 << "длина файла 10002 байта, а файл испытания занимает не более 10001 байта.";
        QTest::newRow("much too long")
            << 65536 << 7 << "длина файла 65536 байт, а файл испытания занимает не более 10001 байта.";
    }

    void rejectsFilesThatDoNotFit()
    {
        QFETCH(int, size);
        QFETCH(int, testNumber);
        QFETCH(QString, reason);
        const QString path = written(QStringLiteral("bad.cell"), ofSize(size, testNumber));
        QCOMPARE(failureOf(path), QStringLiteral("Файл \"%1\" не загружен: %2").arg(path, reason));
    }

    void unopenableFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing") << "missing.cell" << "No such file or directory";
        QTest::newRow("a folder") << "folder.cell" << "file to open is a directory";
    }

    void unopenableFile()
    {
        QFETCH(QString, name);
        QFETCH(QString, reason);
        QVERIFY(QDir(m_folder.path()).mkpath(QStringLiteral("folder.cell")));
        const QString path = m_folder.filePath(name);
        QCOMPARE(failureOf(path), QStringLiteral("Cannot open file \"%1\". %2").arg(path, reason));
    }

    // A device that never ends is cut off after one byte more than a slot holds.
    void endlessStream()
    {
        const QString path = QStringLiteral("/dev/zero");
        if (!QFile::exists(path)) QSKIP("no endless device here");
        QCOMPARE(failureOf(path), QStringLiteral("Файл \"/dev/zero\" не загружен: файл испытания занимает не "
                                                 "более 10001 байта, а в этом файле их больше."));
    }

    // A pipe delivers a file in pieces: the reader waits for its end, and stops one byte past a slot.
    void pipeDeliveringInPieces_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<QString>("failure");
        QTest::newRow("the device's 9728 bytes") << 9728 << QString();
        QTest::newRow("longer than a slot")
            << 12000
            << QStringLiteral("файл испытания занимает не более 10001 байта, а в этом файле их больше.");
    }

    void pipeDeliveringInPieces()
    {
        QFETCH(int, size);
        QFETCH(QString, failure);
        const QString path = m_folder.filePath(QStringLiteral("pipe.cell"));
        QFile::remove(path);
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        CellFile file = ofSize(size, 7);
        file.setByte(size - 1, 0x77);
        // The reader stops early on a pipe that is too long; the writer then meets a closed pipe.
        ::signal(SIGPIPE, SIG_IGN);
        std::thread writer([&] {
            QFile pipe(path);
            if (!pipe.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return;
            for (qsizetype at = 0; at < file.bytes().size(); at += 4000) {
                pipe.write(file.bytes().mid(at, 4000));
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
            }
        });
        auto buffer = std::make_unique<records::ReadBuffer>();
        QString message;
        records::LoadedFile loaded;
        try {
            loaded = records::readCellFile(path, *buffer);
        } catch (const platform::Error& error) {
            message = error.message();
        }
        writer.join();
        if (failure.isEmpty()) {
            QCOMPARE(message, QString());
            QCOMPARE(loaded.size, size);
            QCOMPARE(QByteArray(reinterpret_cast<const char*>(buffer->data()), size), file.bytes());
        } else {
            QCOMPARE(message, QStringLiteral("Файл \"%1\" не загружен: %2").arg(path, failure));
        }
    }

    // A percent sign in a file name must not be taken for a placeholder of the message.
    void pathWithPercentSigns()
    {
        const QString path = written(QStringLiteral("%1 %2.cell"), ofSize(2, 0));
        QCOMPARE(failureOf(path), QStringLiteral("Файл \"%1\" не загружен: номер испытания 0 вне допустимого "
                                                 "диапазона от 1 до 999.").arg(path));
    }

    // Loading a short file over a slot changes its first bytes only.
    void overlayKeepsTail()
    {
        records::Slot slot;
        slot.fill(0xAB);
        CellFile shorter = ofSize(100, 7);
        shorter.setByte(99, 0x01);
        auto buffer = std::make_unique<records::ReadBuffer>();
        buffer->fill(0xCD);  // what an earlier, longer file left in the buffer
        const records::LoadedFile loaded =
            records::readCellFile(written(QStringLiteral("short.cell"), shorter), *buffer);
        records::overlayFile(slot, *buffer, loaded.size);
        QCOMPARE(slot[0], 7);
        QCOMPARE(slot[1], 0);
        QCOMPARE(slot[2], 0);
        QCOMPARE(slot[99], 1);
        for (std::size_t i = 100; i < slot.size(); ++i) QCOMPARE(slot[i], 0xAB);
    }

    void overlayClampsSize_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("copied");
        QTest::newRow("negative") << -5 << 0;
        QTest::newRow("zero") << 0 << 0;
        QTest::newRow("whole slot") << 10001 << 10001;
        QTest::newRow("beyond the slot") << 20000 << 10001;
    }

    void overlayClampsSize()
    {
        QFETCH(int, size);
        QFETCH(int, copied);
        records::Slot slot{};
        records::ReadBuffer buffer;
        buffer.fill(1);
        records::overlayFile(slot, buffer, size);
        QCOMPARE(static_cast<int>(std::count(slot.begin(), slot.end(), 1)), copied);
    }

    void byteCounts_data()
    {
        QTest::addColumn<long long>("count");
        QTest::addColumn<QString>("text");
        QTest::newRow("0") << 0LL << "0 байт";
        QTest::newRow("1") << 1LL << "1 байт";
        QTest::newRow("2") << 2LL << "2 байта";
        QTest::newRow("4") << 4LL << "4 байта";
        QTest::newRow("5") << 5LL << "5 байт";
        QTest::newRow("11") << 11LL << "11 байт";
        QTest::newRow("12") << 12LL << "12 байт";
        QTest::newRow("22") << 22LL << "22 байта";
        QTest::newRow("10002") << 10002LL << "10002 байта";
        QTest::newRow("10011") << 10011LL << "10011 байт";
    }

    void byteCounts()
    {
        QFETCH(long long, count);
        QFETCH(QString, text);
        QCOMPARE(records::messages::byteCount(count), text);
    }
};

FROSTDIL_REGISTER_TEST(CellFileReaderTest)
#include "CellFileReaderTest.moc"
