// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Services.h"

// Files on the local disk, names resolved as the program writes them.
class DiskFiles : public Files {
public:
    bool exists(const std::string& path) const override;
    std::vector<std::string> listFolder(const std::string& path) const override;
    // Lines without their end-of-line characters; a file larger than the limit is not read.
    std::optional<std::vector<std::string>> readLines(const std::string& path) const override;

    static constexpr std::uintmax_t MaxTextFileSize = 16 * 1024 * 1024;
};
