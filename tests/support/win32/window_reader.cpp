// Usage: window_reader TITLE describe|controls-library|close
//
// Reads a top-level window of another program in this Wine session, found by its title:
//   describe  prints its outer rectangle and its client area on the screen ("window X Y W H",
//             "client X Y W H"), which frame parts its style gives it, and one line per child
//             control, topmost first: id, class, rectangle in client coordinates and style.
//             (Fonts cannot be read from here: GDI handles belong to the process that made them.)
//   controls-library
//             prints one line per common-controls library that the process owning it has
//             loaded: "comctl32 assembly VERSION file VERSION PATH", the first version that of
//             the side-by-side assembly it was loaded from ("none" outside the store), the
//             second that of the file itself.
//   close     sends it WM_CLOSE, as the system menu's Close does.
// Exits 0 on success, 1 when there is no such window, 2 on a usage error, 3 when the owning
// process cannot be read.
#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

BOOL CALLBACK describeControl(HWND control, LPARAM parent) {
    RECT box;
    GetWindowRect(control, &box);
    MapWindowPoints(nullptr, reinterpret_cast<HWND>(parent), reinterpret_cast<POINT*>(&box), 2);
    char windowClass[64] = {};
    GetClassNameA(control, windowClass, sizeof windowClass);
    std::printf("control %ld %s %ld %ld %ld %ld style %08lx\n", GetWindowLongA(control, GWL_ID),
                windowClass, box.left, box.top, box.right - box.left, box.bottom - box.top,
                static_cast<unsigned long>(GetWindowLongA(control, GWL_STYLE)));
    return TRUE;
}

void describe(HWND window) {
    RECT outer;
    GetWindowRect(window, &outer);
    RECT client;
    GetClientRect(window, &client);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    std::printf("window %ld %ld %ld %ld\n", outer.left, outer.top, outer.right - outer.left,
                outer.bottom - outer.top);
    std::printf("client %ld %ld %ld %ld\n", origin.x, origin.y, client.right, client.bottom);
    LONG style = GetWindowLongA(window, GWL_STYLE);
    std::printf("style caption=%d closebox=%d minimizebox=%d maximizebox=%d sizingborder=%d\n",
                (style & WS_CAPTION) == WS_CAPTION, (style & WS_SYSMENU) != 0,
                (style & WS_MINIMIZEBOX) != 0, (style & WS_MAXIMIZEBOX) != 0,
                (style & WS_THICKFRAME) != 0);
    EnumChildWindows(window, describeControl, reinterpret_cast<LPARAM>(window));
}

// "a.b.c.d" from the file's version resource, or "unknown".
std::string fileVersion(const char* path) {
    DWORD ignored = 0;
    DWORD size = GetFileVersionInfoSizeA(path, &ignored);
    std::vector<char> block(size);
    VS_FIXEDFILEINFO* info = nullptr;
    UINT length = 0;
    if (size == 0 || !GetFileVersionInfoA(path, 0, size, block.data()) ||
        !VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&info), &length) ||
        length < sizeof *info) {
        return "unknown";
    }
    char text[64];
    std::snprintf(text, sizeof text, "%u.%u.%u.%u", HIWORD(info->dwFileVersionMS),
                  LOWORD(info->dwFileVersionMS), HIWORD(info->dwFileVersionLS),
                  LOWORD(info->dwFileVersionLS));
    return text;
}

// The side-by-side store keeps each assembly in a folder named
// "<architecture>_<name>_<public key token>_<version>_<language>_<hash>".
std::string assemblyVersion(const std::string& path) {
    std::string lower = path;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    const std::string store = "\\winsxs\\";
    std::size_t at = lower.find(store);
    if (at == std::string::npos) {
        return "none";
    }
    std::size_t start = at + store.size();
    std::string folder = path.substr(start, path.find('\\', start) - start);
    std::vector<std::string> fields;
    for (std::size_t from = 0, to = 0; to != std::string::npos; from = to + 1) {
        to = folder.find('_', from);
        fields.push_back(folder.substr(from, to - from));
    }
    return fields.size() > 3 ? fields[3] : "none";
}

std::string modulePath(HANDLE process, HMODULE module) {
    char path[MAX_PATH] = {};
    if (GetModuleFileNameExA(process, module, path, sizeof path) == 0) {
        return "unknown";
    }
    return path;
}

bool describeControlsLibrary(HWND window) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId);
    if (process == nullptr) {
        return false;
    }
    std::vector<HMODULE> modules(512);
    DWORD needed = 0;
    if (!EnumProcessModules(process, modules.data(),
                            static_cast<DWORD>(modules.size() * sizeof(HMODULE)), &needed)) {
        CloseHandle(process);
        return false;
    }
    modules.resize(std::min<std::size_t>(modules.size(), needed / sizeof(HMODULE)));
    for (HMODULE module : modules) {
        std::string path = modulePath(process, module);
        std::size_t slash = path.find_last_of("\\/");
        std::string name = path.substr(slash == std::string::npos ? 0 : slash + 1);
        if (lstrcmpiA(name.c_str(), "comctl32.dll") == 0) {
            std::printf("comctl32 assembly %s file %s %s\n", assemblyVersion(path).c_str(),
                        fileVersion(path.c_str()).c_str(), path.c_str());
        }
    }
    CloseHandle(process);
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: window_reader TITLE describe|controls-library|close\n");
        return 2;
    }
    HWND window = FindWindowA(nullptr, argv[1]);
    if (window == nullptr) {
        return 1;
    }
    if (std::strcmp(argv[2], "describe") == 0) {
        describe(window);
    } else if (std::strcmp(argv[2], "controls-library") == 0) {
        if (!describeControlsLibrary(window)) {
            return 3;
        }
    } else if (std::strcmp(argv[2], "close") == 0) {
        PostMessageA(window, WM_CLOSE, 0, 0);
    } else {
        return 2;
    }
    return 0;
}
