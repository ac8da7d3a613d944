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

void SendKeyChord(WORD key, const std::vector<WORD>& held)
{
    std::vector<INPUT> keys;
    for (WORD modifier : held)
        keys.push_back(Key(modifier, false));
    keys.insert(keys.end(), {Key(key, false), Key(key, true)});
    for (auto modifier = held.rbegin(); modifier != held.rend(); ++modifier)
        keys.push_back(Key(*modifier, true));
    Send(keys);
}

void SendKeyStroke(WORD key, bool shift, bool alt)
{
    std::vector<WORD> held;
    if (shift)
        held.push_back(VK_SHIFT);
    if (alt)
        held.push_back(VK_MENU);
    SendKeyChord(key, held);
}

void SendText(const std::wstring& text)
{
    std::vector<INPUT> keys;
    for (wchar_t c : text)
        keys.insert(keys.end(), {Key(0, false, c), Key(0, true, c)});
    Send(keys);
}
