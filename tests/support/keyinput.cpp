#include "tests/support/keyinput.h"

#include <vector>

namespace {

INPUT Key(WORD key, bool up, wchar_t character = 0)
{
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = key;
    in.ki.wScan = character;
    in.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (character ? KEYEVENTF_UNICODE : 0);
    return in;
}

void Send(std::vector<INPUT> keys)
{
    SendInput(UINT(keys.size()), keys.data(), sizeof(INPUT));
}

} // namespace

void SendKeyStroke(WORD key, bool shift, bool alt)
{
    std::vector<INPUT> keys{Key(key, false), Key(key, true)};
    for (auto [held, modifier] : {std::pair{alt, VK_MENU}, {shift, VK_SHIFT}})
        if (held) {
            keys.insert(keys.begin(), Key(WORD(modifier), false));
            keys.push_back(Key(WORD(modifier), true));
        }
    Send(keys);
}

void SendText(const std::wstring& text)
{
    std::vector<INPUT> keys;
    for (wchar_t c : text)
        keys.insert(keys.end(), {Key(0, false, c), Key(0, true, c)});
    Send(keys);
}
