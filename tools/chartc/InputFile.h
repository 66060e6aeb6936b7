#pragma once
#include <functional>
#include <istream>
#include <memory>
#include <streambuf>
#include <string>

// An input of the compiler, plain or gzip-compressed (zlib reads both), as a
// stream. Reports how much of the file on disk has been consumed, for the
// progress display.
class InputFile {
public:
    explicit InputFile(const std::string& path);
    ~InputFile();
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    bool isOpen() const;
    std::istream& stream();
    // Fraction of the file read so far, 0 to 1.
    double getProgress() const;
    // Called with getProgress() every few megabytes while the stream is read.
    void setProgressCallback(std::function<void(double)> callback);
    // The first bytes of the (uncompressed) content, without consuming them.
    static std::string readHead(const std::string& path, size_t bytes);

private:
    class GzipBuffer;
    std::unique_ptr<GzipBuffer> buffer;
    std::unique_ptr<std::istream> in;
};
