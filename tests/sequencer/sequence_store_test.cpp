#include "sequencer/sequence_store.h"

#include "sequence/sequence_file.h"
#include "support/file_bytes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>

#ifdef __unix__
#include <sys/resource.h>
#include <sys/stat.h>
#endif

namespace {

using sequencer::LoadSequence;
using sequencer::SaveSequence;

const std::vector<std::string> kSteps{"1000000000000001 -    7    ", "0101010101010101 -   25    ",
                                      "1111111111111111 - 9999    "};

using testsupport::ReadAll;
using testsupport::WriteAll;

class SequenceStoreTest : public testing::Test {
protected:
    QString Path(const QString& name) const { return dir_.filePath(name); }
    QStringList Entries() const {
        return QDir(dir_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    }
    QTemporaryDir dir_;
};

TEST_F(SequenceStoreTest, SaveWritesTheFileBytesAndOpenReadsThemBack) {
    const QString path = Path("show.txt");
    ASSERT_FALSE(SaveSequence(path, kSteps).has_value());
    const std::string expected = sequence::EncodeSequenceFile(kSteps);
    EXPECT_EQ(ReadAll(path), QByteArray(expected.data(), static_cast<qsizetype>(expected.size())));
    const auto loaded = LoadSequence(path);
    EXPECT_FALSE(loaded.problem.has_value());
    EXPECT_EQ(loaded.steps, kSteps);
    EXPECT_EQ(Entries(), QStringList{"show.txt"}); // no temporary file left behind
}

TEST_F(SequenceStoreTest, SaveIntoAFolderThatCannotHoldTheFileFailsAndSaysWhy) {
    WriteAll(Path("plain-file"), "not a folder");
    const QString targets[] = {Path("missing/show.txt"), Path("plain-file/show.txt")};
    for (const QString& target : targets) {
        const auto problem = SaveSequence(target, kSteps);
        ASSERT_TRUE(problem.has_value()) << target.toStdString();
        EXPECT_TRUE(problem->message.contains(target)) << problem->message.toStdString();
        EXPECT_FALSE(QFile::exists(target));
    }
    EXPECT_EQ(ReadAll(Path("plain-file")), "not a folder");
}

#ifdef __unix__
// A write that fails part-way, as on a full disk: the file-size limit stops it.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, oldHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
    void (*oldHandler_)(int) = nullptr;
};

TEST_F(SequenceStoreTest, AFailedWriteLeavesTheOldFileByteForByte) {
    const QString path = Path("show.txt");
    const QByteArray old = "0000000000000000 -    1    \r\r\n";
    WriteAll(path, old);
    const std::vector<std::string> many(1000, kSteps[0]); // 30,000 bytes
    std::optional<sequencer::FileProblem> problem;
    {
        const FileSizeLimit limit(4096);
        problem = SaveSequence(path, many);
    }
    ASSERT_TRUE(problem.has_value());
    EXPECT_TRUE(problem->message.contains(path)) << problem->message.toStdString();
    EXPECT_EQ(ReadAll(path), old);
    EXPECT_EQ(Entries(), QStringList{"show.txt"});
}

#endif

TEST_F(SequenceStoreTest, OpeningWhatCannotBeReadSaysWhy) {
    const QString missing = Path("missing.txt");
    const auto loaded = LoadSequence(missing);
    ASSERT_TRUE(loaded.problem.has_value());
    EXPECT_TRUE(loaded.problem->message.contains(missing));
    EXPECT_TRUE(loaded.steps.empty());

    QDir(dir_.path()).mkdir("folder");
    EXPECT_TRUE(LoadSequence(Path("folder")).problem.has_value());
}

TEST_F(SequenceStoreTest, OversizedFilesAreRefusedBeforeReading) {
    QFile big(Path("big.txt"));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    ASSERT_TRUE(big.resize(65 * 1024 * 1024)); // sparse: costs no disk
    big.close();
    const auto loaded = LoadSequence(Path("big.txt"));
    ASSERT_TRUE(loaded.problem.has_value());
    EXPECT_TRUE(loaded.problem->message.contains("too large"))
        << loaded.problem->message.toStdString();
}

#ifdef __unix__
TEST_F(SequenceStoreTest, PipesAndDevicesAreRefusedWithoutBlocking) {
    const QString fifo = Path("fifo");
    ASSERT_EQ(mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    for (const QString& path : {fifo, QStringLiteral("/dev/zero")}) {
        const auto loaded = LoadSequence(path);
        ASSERT_TRUE(loaded.problem.has_value()) << path.toStdString();
        EXPECT_TRUE(loaded.problem->message.contains("not a plain file"));
    }
}
#endif

} // namespace
