#pragma once

#include <QIODevice>
#include <QSaveFile>

namespace orvo::test {

// A device in front of a real file, written through QSaveFile, that fails
// on purpose at one step, as a full disk or a vanished mount would.
class FailDevice : public QIODevice {
public:
    enum class Step { Open, Write, Commit };

    FailDevice(const QString& fileName, Step failing) : m_file(fileName), m_failing(failing) {}

    bool open(OpenMode mode) override {
        if (m_failing == Step::Open)
            return fail("No space left on device");
        return m_file.open(mode) && QIODevice::open(mode);
    }
    bool commit() {
        if (m_failing == Step::Commit)
            return fail("Input/output error");
        return m_file.commit();
    }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override {
        if (m_failing == Step::Write) {
            fail("No space left on device");
            return -1;
        }
        return m_file.write(data, size);
    }

private:
    bool fail(const char* reason) {
        setErrorString(QString::fromLatin1(reason));
        return false;
    }

    QSaveFile m_file;
    Step m_failing;
};

} // namespace orvo::test
