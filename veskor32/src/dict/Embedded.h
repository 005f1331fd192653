#pragma once
// Dictionary files compiled into the library (Windows-1252, one cleaned entry a
// line). The definition is generated at build time from dictionaries/<lang>/*.txt.
#include <span>

namespace veskor::dict {

struct EmbeddedFile {
    int langIndex;  // 0..4, see Language.h
    int group;      // element-group code
    const char *data;
    unsigned size;
};

std::span<const EmbeddedFile> embeddedFiles();

}  // namespace veskor::dict
