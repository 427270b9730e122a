#pragma once

#include <cstddef>
#include <span>

namespace tallyx {

// One file compiled into the program by the resource embedder.
struct EmbeddedResource {
    const char* name;
    const char* type;
    const unsigned char* data;
    std::size_t size;
};

// Generated at build time from the files registered with tallyx_add_resource.
std::span<const EmbeddedResource> EmbeddedResourceTable();

}  // namespace tallyx
