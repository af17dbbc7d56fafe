#include "records/export_file.h"

#include <cerrno>
#include <string_view>
#include <system_error>

namespace quintel {

namespace {

std::filesystem::path folderOf(const std::filesystem::path& target) {
    const std::filesystem::path parent = target.parent_path();
    return parent.empty() ? std::filesystem::path(".") : parent;
}

} // namespace

std::optional<std::string> exportTargetProblem(const std::filesystem::path& target,
                                               const std::filesystem::path& dataFolder) {
    std::error_code error;
    if (std::filesystem::equivalent(folderOf(target), dataFolder, error)) {
        return target.string() + " is in the data folder " + dataFolder.string() +
               ", which holds the record and the players' files: choose a file elsewhere";
    }
    if (std::filesystem::is_directory(target, error)) {
        return target.string() + " is a folder";
    }
    return std::nullopt;
}

ExportFile::ExportFile(std::filesystem::path target)
    : target_(std::move(target)),
      temporary_(files::createTemporary(folderOf(target_), ".quintel-export-")),
      openError_(temporary_.descriptor < 0 ? errno : 0), buffer_(temporary_.descriptor),
      stream_(&buffer_) {}

ExportFile::~ExportFile() {
    if (temporary_.descriptor >= 0 && !committed_) {
        files::closeDescriptor(temporary_.descriptor);
        std::error_code ignored;
        std::filesystem::remove(temporary_.path, ignored);
    }
}

std::optional<std::string> ExportFile::failure(int error) const {
    return "cannot write " + target_.string() + " (" + files::reason(error) + ")";
}

std::optional<std::string> ExportFile::commit() {
    if (openError_ != 0) {
        return failure(openError_);
    }
    stream_.flush();
    int error = buffer_.error();
    if (error == 0 && !files::syncToDisk(temporary_.descriptor)) {
        error = errno;
    }
    if (!files::closeDescriptor(temporary_.descriptor) && error == 0) {
        error = errno;
    }
    committed_ = true;
    std::error_code renamed;
    if (error == 0) {
        std::filesystem::rename(temporary_.path, target_, renamed);
        error = renamed.value();
    }
    if (error != 0) {
        std::error_code ignored;
        std::filesystem::remove(temporary_.path, ignored);
        return failure(error);
    }
    files::syncFolder(folderOf(target_));
    return std::nullopt;
}

ExportFile::Buffer::Buffer(int descriptor) : descriptor_(descriptor) {
    setp(block_.data(), block_.data() + block_.size());
}

bool ExportFile::Buffer::drain() {
    const auto size = static_cast<std::size_t>(pptr() - pbase());
    if (error_ == 0 && descriptor_ >= 0 && !files::writeAll(descriptor_, {pbase(), size})) {
        error_ = errno;
    }
    setp(block_.data(), block_.data() + block_.size());
    return error_ == 0;
}

ExportFile::Buffer::int_type ExportFile::Buffer::overflow(int_type c) {
    if (!drain()) {
        return traits_type::eof();
    }
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
        *pptr() = traits_type::to_char_type(c);
        pbump(1);
    }
    return traits_type::not_eof(c);
}

int ExportFile::Buffer::sync() {
    return drain() ? 0 : -1;
}

} // namespace quintel
