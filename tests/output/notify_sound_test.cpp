// The synchronous notification sound never blocks past its bound.
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <thread>

#include "output/notify_sound.h"

using namespace std::chrono_literals;

namespace {

void Append32(QByteArray& bytes, quint32 value) {
  for (int i = 0; i < 4; ++i) bytes.append(char((value >> (8 * i)) & 0xFF));
}

void Append16(QByteArray& bytes, quint16 value) {
  bytes.append(char(value & 0xFF));
  bytes.append(char(value >> 8));
}

// A mono 16-bit PCM clip of silence, with an extra chunk before "fmt ".
QByteArray SilentWav(int sampleRate, int milliseconds) {
  const quint32 dataBytes = quint32(sampleRate) * 2 * milliseconds / 1000;
  QByteArray wav("RIFF");
  Append32(wav, 4 + (8 + 4) + (8 + 16) + 8 + dataBytes);
  wav.append("WAVE");
  wav.append("LIST");
  Append32(wav, 3);
  wav.append("abc\0", 4);  // odd size, padded to even
  wav.append("fmt ");
  Append32(wav, 16);
  Append16(wav, 1);  // PCM
  Append16(wav, 1);  // mono
  Append32(wav, sampleRate);
  Append32(wav, sampleRate * 2);  // bytes per second
  Append16(wav, 2);
  Append16(wav, 16);
  wav.append("data");
  Append32(wav, dataBytes);
  wav.append(QByteArray(int(dataBytes), '\0'));
  return wav;
}

std::string WriteFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
  QFile file(dir.filePath(name));
  if (!file.open(QIODevice::WriteOnly)) return {};
  file.write(bytes);
  return file.fileName().toStdString();
}

}  // namespace

class NotifySoundTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QVERIFY(dir_.isValid()); }

  void unreadableFilesReturnAtOnceWithoutPlaying() {
    const std::string wav = WriteFile(dir_, "clip.wav", SilentWav(8000, 500));
    QCOMPARE(mireto::WavDuration(wav).value_or(0ms).count(), 501);
    std::atomic<int> started{0};
    const mireto::SoundPlayer player = [&](const std::string&, std::shared_ptr<mireto::PlaybackSignal>) {
      ++started;
    };
    QElapsedTimer elapsed;
    elapsed.start();
    for (const std::string& bad : {dir_.filePath("missing.wav").toStdString(),
                                   WriteFile(dir_, "text.wav", "not a wave file at all"),
                                   WriteFile(dir_, "short.wav", SilentWav(8000, 500).left(30))}) {
      QVERIFY(!mireto::WavDuration(bad));
      QVERIFY(!mireto::PlayWavBlocking(bad, player));
    }
    QVERIFY(elapsed.elapsed() < 100);
    QCOMPARE(started.load(), 0);
  }

  void waitsForThePlayerToFinish() {
    const std::string wav = WriteFile(dir_, "clip.wav", SilentWav(8000, 300));
    QElapsedTimer elapsed;
    elapsed.start();
    QVERIFY(mireto::PlayWavBlocking(wav, [](const std::string&, std::shared_ptr<mireto::PlaybackSignal> signal) {
      std::this_thread::sleep_for(200ms);
      signal->finish();
    }, 500ms));
    QVERIFY(elapsed.elapsed() >= 195 && elapsed.elapsed() < 700);
  }

  void aStuckPlayerIsAbandonedAtTheDeadline() {
    const std::string wav = WriteFile(dir_, "clip.wav", SilentWav(8000, 300));
    auto released = std::make_shared<std::atomic<bool>>(false);
    const mireto::SoundPlayer player = [released](const std::string&,
                                                  std::shared_ptr<mireto::PlaybackSignal> signal) {
      signal->waitFinishedOrAbandoned();  // never finishes by itself
      *released = signal->abandoned();
    };
    QElapsedTimer elapsed;
    elapsed.start();
    QVERIFY(!mireto::PlayWavBlocking(wav, player, 400ms));
    // Clip 300 ms plus 400 ms of grace.
    QVERIFY2(elapsed.elapsed() >= 695 && elapsed.elapsed() < 1000, qPrintable(QString::number(elapsed.elapsed())));
    QTRY_VERIFY_WITH_TIMEOUT(released->load(), 1000);  // the player was told to stop
  }

  void theEventSoundServiceStaysWithinItsBound() {
    // Whatever this machine has (usually no sound device), the real player
    // returns within the clip's length plus the grace.
    const std::string wav = WriteFile(dir_, "chime.wav", SilentWav(22050, 400));
    QElapsedTimer elapsed;
    elapsed.start();
    mireto::PlayWavBlocking(wav, mireto::PlayWithEventSoundService);
    QVERIFY2(elapsed.elapsed() < 401 + mireto::kSoundGrace.count() + 200,
             qPrintable(QString::number(elapsed.elapsed())));
    elapsed.restart();
    mireto::PlayWavBlocking(dir_.filePath("missing.wav").toStdString(), mireto::PlayWithEventSoundService);
    QVERIFY(elapsed.elapsed() < 100);
  }

 private:
  QTemporaryDir dir_;
};

int RunNotifySoundTests(int argc, char** argv) {
  NotifySoundTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "notify_sound_test.moc"
