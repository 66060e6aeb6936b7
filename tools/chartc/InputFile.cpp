#include "InputFile.h"

#include <algorithm>
#include <sys/stat.h>
#include <vector>
#include <zlib.h>

class InputFile::GzipBuffer : public std::streambuf {
public:
    explicit GzipBuffer(const std::string& path) : file(gzopen(path.c_str(), "rb")), data(1 << 16) {
        struct stat info {};
        if (stat(path.c_str(), &info) == 0)
            size = static_cast<double>(info.st_size);
        if (file)
            gzbuffer(file, 1 << 17);
    }
    ~GzipBuffer() override {
        if (file)
            gzclose(file);
    }
    bool isOpen() const { return file != nullptr; }
    double getProgress() const {
        if (!file || size <= 0)
            return 0.0;
        z_off_t offset = gzoffset(file);
        return offset < 0 ? 0.0 : std::min(1.0, static_cast<double>(offset) / size);
    }

protected:
    int_type underflow() override {
        if (gptr() < egptr())
            return traits_type::to_int_type(*gptr());
        if (!file)
            return traits_type::eof();
        int count = gzread(file, data.data(), static_cast<unsigned>(data.size()));
        if (count <= 0)
            return traits_type::eof();
        setg(data.data(), data.data(), data.data() + count);
        if (progress && ++chunks % 64 == 0)
            progress(getProgress());
        return traits_type::to_int_type(*gptr());
    }

private:
    gzFile file;
    std::vector<char> data;
    double size = 0;
    unsigned chunks = 0;

public:
    std::function<void(double)> progress;
};

InputFile::InputFile(const std::string& path)
    : buffer(std::make_unique<GzipBuffer>(path)), in(std::make_unique<std::istream>(buffer.get())) {}

InputFile::~InputFile() = default;

bool InputFile::isOpen() const {
    return buffer->isOpen();
}

std::istream& InputFile::stream() {
    return *in;
}

double InputFile::getProgress() const {
    return buffer->getProgress();
}

void InputFile::setProgressCallback(std::function<void(double)> callback) {
    buffer->progress = std::move(callback);
}

std::string InputFile::readHead(const std::string& path, size_t bytes) {
    InputFile file(path);
    if (!file.isOpen())
        return "";
    std::string head(bytes, '\0');
    file.stream().read(head.data(), static_cast<std::streamsize>(bytes));
    head.resize(static_cast<size_t>(file.stream().gcount()));
    return head;
}
