// The JSON objects of a people listing's lines.
#pragma once

#include "cli/OutputBuffer.h"
#include "cli/commands/ChunkLines.h"

namespace kinshelf::cli {

// The objects of the lines as JsonWriter lays out the members of an array, each after ",\n".
OutputBuffer PeopleJsonObjects(const ChunkLines& chunk);

}  // namespace kinshelf::cli
