#pragma once
#include <cstdint>
#include <string>
#include <vector>

class IniFile;
class LogFileForwarder;
class SensorManager;

// What the pilot's recording and replay controls call: start and stop a
// recording under a name, list the recordings, replay one, and steer the
// replay (pause, speed, loop, position). The screen side only asks and shows;
// it holds no recording state of its own.
class RecordingControl {
public:
    static const wchar_t* const kNamePrompt;
    static const int kSpeeds[4];  // 1x, 2x, 4x, 8x

    // Recordings live in `folder` (created when the first one starts).
    RecordingControl(SensorManager& manager, std::string folder);

    // Letters, digits, "-" and "_" only, at most 64 characters.
    static bool isValidRecordingName(const std::string& name);
    // Records every sensor into <folder>/<name>.dat (a new file, never an
    // existing one); false for an invalid name, while recording, or when
    // the file cannot be made.
    bool startRecording(const std::string& name);
    // Writes the index and closes the file; false when nothing was recorded.
    bool stopRecording();
    bool isRecording() const;
    // The file being recorded, empty when none.
    std::string getRecordingPath() const;

    // File names of the recordings and imported tracks (.dat, .igc, .gpx) in
    // the folder, sorted.
    std::vector<std::string> listRecordings() const;
    // Rewrites the sensor configuration to replay the file (by the "Play
    // Flight Recording" preset) and reloads the sensors; the playback
    // settings chosen so far carry over. The caller saves the configuration.
    bool play(const std::string& fileName, IniFile& config);

    void setPaused(bool paused);
    bool isPaused() const;
    // One of kSpeeds; false (nothing changes) for another factor.
    bool setSpeed(int factor);
    int getSpeed() const;
    void setLoop(bool loop);
    bool isLoop() const;
    void seek(double fraction);
    double getPosition() const;
    // Length of the replayed recording, 0 when none is replayed.
    uint32_t getDurationMs() const;
    // The file replayed (its name when it lies in the folder), empty when
    // none is.
    std::string getReplayedFile() const;

private:
    LogFileForwarder* activeRecording() const;

    SensorManager& manager;
    std::string folder;
    LogFileForwarder* recording = nullptr;
};
