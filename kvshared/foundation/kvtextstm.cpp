#include "foundation/kvtextstm.h"

#include <fstream>
#include <istream>
#include <ostream>
#include <string>

namespace {

std::fstream& SharedFileStream()
{
    static std::fstream stream;
    return stream;
}

std::iostream* g_currentStream = nullptr;

}  // namespace

std::iostream* GetTextStream()
{
    return g_currentStream;
}

std::iostream* OpenTextStream(int mode, const char* path)
{
    std::fstream& file = SharedFileStream();
    if (file.is_open())
        file.close();
    file.clear();
    g_currentStream = nullptr;
    if (path == nullptr)
        return nullptr;

    std::ios::openmode flags = std::ios::binary;
    if (mode & kKvTextRead)
        flags |= std::ios::in;
    if (mode & kKvTextWrite)
        flags |= (mode & kKvTextRead) ? std::ios::out : (std::ios::out | std::ios::trunc);
    if (!(flags & (std::ios::in | std::ios::out)))
        return nullptr;
    file.open(path, flags);
    if (!file.is_open())
        return nullptr;
    g_currentStream = &file;
    return g_currentStream;
}

int SetTextStream(std::iostream* stream)
{
    g_currentStream = stream;
    return 0;
}

void CloseTextStream(std::iostream* stream)
{
    std::fstream& file = SharedFileStream();
    if (stream == &file && file.is_open())
        file.close();
}

int WriteTextLine(const std::string& text)
{
    std::iostream* stream = g_currentStream;
    if (stream == nullptr)
        return 0;
    // The text and the line end go to the buffer under one sentry, as one write would:
    // a short write or a failing buffer marks the stream bad.
    std::ostream::sentry ready(*stream);
    if (ready) {
        try {
            std::streambuf* buffer = stream->rdbuf();
            const auto size = static_cast<std::streamsize>(text.size());
            if (buffer->sputn(text.data(), size) != size || buffer->sputn("\r\n", 2) != 2)
                stream->setstate(std::ios::badbit);
        } catch (const std::ios_base::failure&) {
            throw;
        } catch (...) {
            stream->setstate(std::ios::badbit);
        }
    }
    return stream->good() ? 1 : 0;
}

int ReadTextLine(std::string& text)
{
    text.clear();
    std::iostream* stream = g_currentStream;
    if (stream == nullptr || !stream->good() || stream->rdbuf() == nullptr)
        return 0;
    // getline scans the stream's buffer for the line end in one step, not byte by byte.
    std::getline(*stream, text);
    if (stream->fail()) {
        // No line was left: only the end of the stream is noted, so that it can still be
        // positioned (a peek that found nothing goes back).
        if (!stream->bad())
            stream->clear(stream->rdstate() & ~std::ios::failbit);
        text.clear();
        return 0;
    }
    if (!text.empty() && text.back() == '\r')
        text.pop_back();
    return 1;
}

bool IsTextStreamAtEnd()
{
    std::iostream* stream = g_currentStream;
    if (stream == nullptr || !stream->good())
        return true;
    std::streambuf* buf = stream->rdbuf();
    return buf == nullptr ||
           std::streambuf::traits_type::eq_int_type(buf->sgetc(), std::streambuf::traits_type::eof());
}
