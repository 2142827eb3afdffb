#include "plain_zlib.h"

#include <fcntl.h>
#include <unistd.h>
#include <zlib.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace archivebench {

namespace {

// A host file descriptor closed on every way out.
class Fd {
public:
    Fd(const std::filesystem::path& path, int flags) : fd_(open(path.c_str(), flags, 0644)) {
        if (fd_ < 0) throw std::runtime_error("cannot open " + path.string());
    }
    ~Fd() { close(fd_); }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

void WriteAll(int fd, const uint8_t* data, size_t count) {
    while (count > 0) {
        const ssize_t n = write(fd, data, count);
        if (n <= 0) throw std::runtime_error("write failed");
        data += n;
        count -= size_t(n);
    }
}

}  // namespace

int64_t PlainDeflate(const std::filesystem::path& source, const std::filesystem::path& dest, int level) {
    Fd in(source, O_RDONLY), out(dest, O_WRONLY | O_CREAT | O_TRUNC);
    z_stream z{};
    if (deflateInit(&z, level) != Z_OK) throw std::runtime_error("deflateInit failed");
    std::vector<uint8_t> input(kDeflateOutputBlock), output(kDeflateOutputBlock);
    int64_t packed = 0;
    int flush = Z_NO_FLUSH;
    do {
        const ssize_t n = read(in.get(), input.data(), input.size());
        if (n < 0) throw std::runtime_error("read failed");
        flush = n == 0 ? Z_FINISH : Z_NO_FLUSH;
        z.next_in = input.data();
        z.avail_in = uInt(n);
        do {
            z.next_out = output.data();
            z.avail_out = uInt(output.size());
            deflate(&z, flush);
            const size_t have = output.size() - z.avail_out;
            WriteAll(out.get(), output.data(), have);
            packed += int64_t(have);
        } while (z.avail_out == 0);
    } while (flush != Z_FINISH);
    deflateEnd(&z);
    return packed;
}

int64_t PlainInflate(const std::filesystem::path& source, int64_t start, int64_t length,
                     const std::filesystem::path& dest) {
    Fd in(source, O_RDONLY), out(dest, O_WRONLY | O_CREAT | O_TRUNC);
    if (lseek(in.get(), start, SEEK_SET) != start) throw std::runtime_error("seek failed");
    z_stream z{};
    if (inflateInit(&z) != Z_OK) throw std::runtime_error("inflateInit failed");
    std::vector<uint8_t> input(kInflateInputBlock), output(kInflateOutputBlock);
    int64_t left = length, written = 0;
    int result = Z_OK;
    while (result != Z_STREAM_END) {
        if (z.avail_in == 0) {
            const ssize_t n = read(in.get(), input.data(), size_t(std::min<int64_t>(left, kInflateInputBlock)));
            if (n <= 0) break;
            left -= n;
            z.next_in = input.data();
            z.avail_in = uInt(n);
        }
        z.next_out = output.data();
        z.avail_out = uInt(output.size());
        result = inflate(&z, Z_NO_FLUSH);
        if (result != Z_OK && result != Z_STREAM_END) break;
        const size_t have = output.size() - z.avail_out;
        WriteAll(out.get(), output.data(), have);
        written += int64_t(have);
    }
    inflateEnd(&z);
    if (result != Z_STREAM_END) throw std::runtime_error("the stream did not end");
    return written;
}

}  // namespace archivebench
