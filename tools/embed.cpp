// Build-time tool: writes a C++ source that holds the given files as byte arrays, looked up by
// file name through tk::embeddedFile(). This is how pictures "stored with a window" get into a program.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: embed OUTPUT.cpp FILE...\n");
        return 2;
    }
    std::ofstream out(argv[1]);
    out << "#include \"toolkit/embedded.h\"\n#include <cstring>\n\nnamespace {\n";
    for (int i = 2; i < argc; ++i) {
        std::ifstream in(argv[i], std::ios::binary);
        if (!in) {
            std::fprintf(stderr, "embed: cannot read %s\n", argv[i]);
            return 1;
        }
        std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        out << "const unsigned char file" << i << "[] = {";
        for (size_t k = 0; k < bytes.size(); ++k) out << (k % 24 ? "" : "\n") << int(bytes[k]) << ',';
        out << "0};\n";
    }
    out << "struct Entry { const char* name; const unsigned char* data; std::size_t size; };\n"
           "const Entry entries[] = {\n";
    for (int i = 2; i < argc; ++i) {
        std::ifstream in(argv[i], std::ios::binary | std::ios::ate);
        out << "    {\"" << std::filesystem::path(argv[i]).filename().string() << "\", file" << i << ", "
            << static_cast<long long>(in.tellg()) << "},\n";
    }
    out << "    {nullptr, nullptr, 0}};\n}  // namespace\n\n"
           "std::span<const unsigned char> tk::embeddedFile(std::string_view name) {\n"
           "    for (const Entry* e = entries; e->name; ++e)\n"
           "        if (name == e->name) return {e->data, e->size};\n"
           "    return {};\n}\n\n"
           "std::vector<std::string_view> tk::embeddedFileNames() {\n"
           "    std::vector<std::string_view> names;\n"
           "    for (const Entry* e = entries; e->name; ++e) names.push_back(e->name);\n"
           "    return names;\n}\n";
    return out ? 0 : 1;
}
