# Writes OUTPUT, a C++ source that holds each text file NAMES (separated by "|", without ".txt")
# of DIRECTORY as a raw string literal, found by HelpTextFile(name).
string(REPLACE "|" ";" names "${NAMES}")
set(entries "")
foreach(name IN LISTS names)
    file(READ "${DIRECTORY}/${name}.txt" text)
    string(FIND "${text}" ")kst\"" clash)
    if(NOT clash EQUAL -1)
        message(FATAL_ERROR "${name}.txt holds the literal's closing mark )kst\"")
    endif()
    string(APPEND entries "    {\"${name}\", R\"kst(${text})kst\"},\n")
endforeach()
set(source "// Made by embed_texts.cmake from the text files of src/help: edit those, not this.
#include \"help/help_text_files.hpp\"

namespace kestrova {
namespace {

struct TextFile {
    std::string_view name;
    std::string_view text;
};

constexpr TextFile kTextFiles[] = {
${entries}};

}  // namespace

std::string_view HelpTextFile(std::string_view name) {
    for (const TextFile& file : kTextFiles) {
        if (file.name == name) {
            return file.text;
        }
    }
    return {};
}

}  // namespace kestrova
")
file(WRITE "${OUTPUT}.new" "${source}")
file(COPY_FILE "${OUTPUT}.new" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.new")
