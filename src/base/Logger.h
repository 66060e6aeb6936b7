#pragma once
#include <fstream>
#include <iostream>
#include <memory>
#include <mutex>
#include <sstream>
#include <string>
#include <vector>

// Writes the program's log. Stream 0 is <directory>log.txt, truncated at every
// start so the file always describes the current run. Any thread may log:
// each write holds the mutex for its whole length so lines never interleave.
class Logger {
public:
    enum Target { FILE = 1, CONSOLE = 2, BOTH = 3 };

    explicit Logger(std::string directory);

    // Opens <directory><name> (truncated) as the next stream; returns its index.
    int createAdditionalLogFile(const std::string& name);

    template <typename T>
    void log(const T& message, int targets = BOTH, int stream = 0) {
        std::ostringstream text;
        text << message;
        write(text.str(), targets, stream);
    }

    void logStringConsole(const std::string& text);

    const std::string& getDirectory() const { return directory; }

private:
    void write(const std::string& text, int targets, int stream);

    std::mutex mutex;
    std::string directory;
    std::vector<std::unique_ptr<std::ofstream>> streams;
};

// The Context's logger; null before the Context has created it and after it
// is gone. Log through logMessage, which knows what to do then.
extern Logger* logger;

// The one way to log, from any thread: through the Context's logger when
// there is one, else to standard error, so that the tools, the tests and the
// first moments of start-up still show what went wrong. targets is a
// Logger::Target.
void logMessage(const std::string& text, int targets = Logger::BOTH);
