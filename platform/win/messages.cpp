// SPDX-License-Identifier: GPL-3.0-or-later
// The platform's message texts for RAS and system result codes.
#include "../linux/dialstates.h"
#include "ras.h"

#include <QtGlobal>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string_view>

namespace win {

namespace {

// English, as the command-line tools print them; each marked for the monitor's catalogue in
// context kMessageContext (lupdate reads only the literal).
struct Message
{
    DWORD code;
    const char* text;
};

constexpr Message kRasMessages[] = {
    { 600, QT_TRANSLATE_NOOP("WinMessages", "An operation is pending.") },
    { 601, QT_TRANSLATE_NOOP("WinMessages", "The port handle is invalid.") },
    { 602, QT_TRANSLATE_NOOP("WinMessages", "The port is already open.") },
    { 603, QT_TRANSLATE_NOOP("WinMessages", "Caller's buffer is too small.") },
    { 604, QT_TRANSLATE_NOOP("WinMessages", "Wrong information specified.") },
    { 605, QT_TRANSLATE_NOOP("WinMessages", "Cannot set port information.") },
    { 606, QT_TRANSLATE_NOOP("WinMessages", "The port is not connected.") },
    { 607, QT_TRANSLATE_NOOP("WinMessages", "The event is invalid.") },
    { 608, QT_TRANSLATE_NOOP("WinMessages", "The device does not exist.") },
    { 609, QT_TRANSLATE_NOOP("WinMessages", "The device type does not exist.") },
    { 610, QT_TRANSLATE_NOOP("WinMessages", "The buffer is invalid.") },
    { 611, QT_TRANSLATE_NOOP("WinMessages", "The route is not available.") },
    { 612, QT_TRANSLATE_NOOP("WinMessages", "The route is not allocated.") },
    { 613, QT_TRANSLATE_NOOP("WinMessages", "Invalid compression specified.") },
    { 614, QT_TRANSLATE_NOOP("WinMessages", "Out of buffers.") },
    { 615, QT_TRANSLATE_NOOP("WinMessages", "The port was not found.") },
    { 616, QT_TRANSLATE_NOOP("WinMessages", "An asynchronous request is pending.") },
    { 617, QT_TRANSLATE_NOOP("WinMessages", "The port or device is already disconnecting.") },
    { 618, QT_TRANSLATE_NOOP("WinMessages", "The port is not open.") },
    { 619, QT_TRANSLATE_NOOP("WinMessages", "The port is disconnected.") },
    { 620, QT_TRANSLATE_NOOP("WinMessages", "There are no endpoints.") },
    { 621, QT_TRANSLATE_NOOP("WinMessages", "Cannot open the phone book file.") },
    { 622, QT_TRANSLATE_NOOP("WinMessages", "Cannot load the phone book file.") },
    { 623, QT_TRANSLATE_NOOP("WinMessages", "Cannot find the phone book entry.") },
    { 624, QT_TRANSLATE_NOOP("WinMessages", "Cannot write the phone book file.") },
    { 625, QT_TRANSLATE_NOOP("WinMessages", "Invalid information found in the phone book file.") },
    { 626, QT_TRANSLATE_NOOP("WinMessages", "Cannot load a string.") },
    { 627, QT_TRANSLATE_NOOP("WinMessages", "Cannot find key.") },
    { 628, QT_TRANSLATE_NOOP("WinMessages", "The port was disconnected.") },
    { 629, QT_TRANSLATE_NOOP("WinMessages", "The port was disconnected by the remote machine.") },
    { 630, QT_TRANSLATE_NOOP("WinMessages", "The port was disconnected due to hardware failure.") },
    { 631, QT_TRANSLATE_NOOP("WinMessages", "The port was disconnected by the user.") },
    { 632, QT_TRANSLATE_NOOP("WinMessages", "The structure size is incorrect.") },
    { 633,
        QT_TRANSLATE_NOOP("WinMessages",
            "The port is already in use or is not configured for Remote Access dial out.") },
    { 634,
        QT_TRANSLATE_NOOP("WinMessages", "Cannot register your computer on the remote network.") },
    { 635, QT_TRANSLATE_NOOP("WinMessages", "Unknown error.") },
    { 636, QT_TRANSLATE_NOOP("WinMessages", "The wrong device is attached to the port.") },
    { 637, QT_TRANSLATE_NOOP("WinMessages", "The string could not be converted.") },
    { 638, QT_TRANSLATE_NOOP("WinMessages", "The request has timed out.") },
    { 645, QT_TRANSLATE_NOOP("WinMessages", "Internal authentication error.") },
    { 646,
        QT_TRANSLATE_NOOP(
            "WinMessages", "The account is not permitted to log on at this time of day.") },
    { 647, QT_TRANSLATE_NOOP("WinMessages", "The account is disabled.") },
    { 648, QT_TRANSLATE_NOOP("WinMessages", "The password has expired.") },
    { 649,
        QT_TRANSLATE_NOOP("WinMessages", "The account does not have Remote Access permission.") },
    { 650, QT_TRANSLATE_NOOP("WinMessages", "The Remote Access server is not responding.") },
    { 651,
        QT_TRANSLATE_NOOP(
            "WinMessages", "Your modem (or other connecting device) has reported an error.") },
    { 652, QT_TRANSLATE_NOOP("WinMessages", "Unrecognized response from the device.") },
    { 653,
        QT_TRANSLATE_NOOP("WinMessages",
            "A macro required by the device was not found in the device .INF file section.") },
    { 655,
        QT_TRANSLATE_NOOP(
            "WinMessages", "The <message> macro was not found in the device .INF file section.") },
    { 656,
        QT_TRANSLATE_NOOP("WinMessages",
            "The <defaultoff> macro in the device .INF file section contains an undefined "
            "macro.") },
    { 657, QT_TRANSLATE_NOOP("WinMessages", "The device .INF file could not be opened.") },
    { 658,
        QT_TRANSLATE_NOOP(
            "WinMessages", "The device name in the device .INF or media .INI file is too long.") },
    { 659,
        QT_TRANSLATE_NOOP("WinMessages", "The media .INI file refers to an unknown device name.") },
    { 660,
        QT_TRANSLATE_NOOP(
            "WinMessages", "The device .INF file contains no responses for the command.") },
    { 661, QT_TRANSLATE_NOOP("WinMessages", "The device .INF file is missing a command.") },
    { 662,
        QT_TRANSLATE_NOOP(
            "WinMessages", "Attempted to set a macro not listed in device .INF file section.") },
    { 663,
        QT_TRANSLATE_NOOP("WinMessages", "The media .INI file refers to an unknown device type.") },
    { 664, QT_TRANSLATE_NOOP("WinMessages", "Cannot allocate memory.") },
    { 665, QT_TRANSLATE_NOOP("WinMessages", "The port is not configured for Remote Access.") },
    { 666,
        QT_TRANSLATE_NOOP(
            "WinMessages", "Your modem (or other connecting device) is not functioning.") },
    { 667, QT_TRANSLATE_NOOP("WinMessages", "Cannot read the media .INI file.") },
    { 668, QT_TRANSLATE_NOOP("WinMessages", "The connection dropped.") },
    { 669,
        QT_TRANSLATE_NOOP(
            "WinMessages", "The usage parameter in the media .INI file is invalid.") },
    { 670,
        QT_TRANSLATE_NOOP(
            "WinMessages", "Cannot read the section name from the media .INI file.") },
    { 671,
        QT_TRANSLATE_NOOP("WinMessages", "Cannot read the device type from the media .INI file.") },
    { 672,
        QT_TRANSLATE_NOOP("WinMessages", "Cannot read the device name from the media .INI file.") },
    { 673, QT_TRANSLATE_NOOP("WinMessages", "Cannot read the usage from the media .INI file.") },
    { 674,
        QT_TRANSLATE_NOOP("WinMessages",
            "Cannot read the maximum connection BPS rate from the media .INI file.") },
    { 675,
        QT_TRANSLATE_NOOP(
            "WinMessages", "Cannot read the maximum carrier BPS rate from the media .INI file.") },
    { 676, QT_TRANSLATE_NOOP("WinMessages", "The line is busy.") },
    { 677, QT_TRANSLATE_NOOP("WinMessages", "A person answered instead of a modem.") },
    { 678, QT_TRANSLATE_NOOP("WinMessages", "There is no answer.") },
    { 679, QT_TRANSLATE_NOOP("WinMessages", "Cannot detect carrier.") },
    { 680, QT_TRANSLATE_NOOP("WinMessages", "There is no dial tone.") },
    { 681, QT_TRANSLATE_NOOP("WinMessages", "General error reported by device.") },
    { 691,
        QT_TRANSLATE_NOOP("WinMessages",
            "Access denied because username and/or password is invalid on the domain.") },
    { 692, QT_TRANSLATE_NOOP("WinMessages", "Hardware failure in port or attached device.") },
    { 695, QT_TRANSLATE_NOOP("WinMessages", "State machines are not started.") },
    { 696, QT_TRANSLATE_NOOP("WinMessages", "State machines are already started.") },
    { 697, QT_TRANSLATE_NOOP("WinMessages", "Response looping did not complete.") },
    { 699, QT_TRANSLATE_NOOP("WinMessages", "The device response caused buffer overflow.") },
    { 700,
        QT_TRANSLATE_NOOP(
            "WinMessages", "The expanded command in the device .INF file is too long.") },
    { 701,
        QT_TRANSLATE_NOOP(
            "WinMessages", "The device moved to a BPS rate not supported by the COM driver.") },
    { 702, QT_TRANSLATE_NOOP("WinMessages", "Device response received when none expected.") },
    { 703,
        QT_TRANSLATE_NOOP("WinMessages",
            "The connection needs information from you, but the application does not allow user "
            "interaction.") },
    { 704, QT_TRANSLATE_NOOP("WinMessages", "The callback number is invalid.") },
    { 705, QT_TRANSLATE_NOOP("WinMessages", "The authorization state is invalid.") },
    { 707, QT_TRANSLATE_NOOP("WinMessages", "There was an error related to the X.25 protocol.") },
    { 708, QT_TRANSLATE_NOOP("WinMessages", "The account has expired.") },
    { 709,
        QT_TRANSLATE_NOOP(
            "WinMessages", "There was an error changing the password on the domain.") },
    { 710,
        QT_TRANSLATE_NOOP("WinMessages",
            "Serial overrun errors were detected while communicating with your modem.") },
    { 711, QT_TRANSLATE_NOOP("WinMessages", "The Remote Access Service Manager could not start.") },
    { 712, QT_TRANSLATE_NOOP("WinMessages", "The two-way port is initializing.") },
    { 713, QT_TRANSLATE_NOOP("WinMessages", "No active ISDN lines are available.") },
    { 714, QT_TRANSLATE_NOOP("WinMessages", "No ISDN channels are available to make the call.") },
    { 715,
        QT_TRANSLATE_NOOP(
            "WinMessages", "Too many errors occurred because of poor phone line quality.") },
    { 716,
        QT_TRANSLATE_NOOP(
            "WinMessages", "The Remote Access Service IP configuration is unusable.") },
    { 717,
        QT_TRANSLATE_NOOP("WinMessages",
            "No IP addresses are available in the static pool of Remote Access Service IP "
            "addresses.") },
    { 718,
        QT_TRANSLATE_NOOP("WinMessages",
            "The connection was terminated because the remote computer did not respond in a timely "
            "manner.") },
    { 719,
        QT_TRANSLATE_NOOP("WinMessages", "The connection was terminated by the remote computer.") },
    { 720,
        QT_TRANSLATE_NOOP("WinMessages",
            "A connection to the remote computer could not be established. No PPP control "
            "protocols "
            "configured.") },
    { 721, QT_TRANSLATE_NOOP("WinMessages", "The remote computer did not respond.") },
    { 722,
        QT_TRANSLATE_NOOP("WinMessages", "Invalid data was received from the remote computer.") },
    { 723,
        QT_TRANSLATE_NOOP(
            "WinMessages", "The phone number, including prefix and suffix, is too long.") },
    { 726,
        QT_TRANSLATE_NOOP("WinMessages",
            "The IPX protocol cannot be used for dial-out on more than one modem at a time.") },
    { 728, QT_TRANSLATE_NOOP("WinMessages", "The system cannot find an IP adapter.") },
    { 729,
        QT_TRANSLATE_NOOP(
            "WinMessages", "SLIP cannot be used unless the IP protocol is installed.") },
    { 730, QT_TRANSLATE_NOOP("WinMessages", "Computer registration is not complete.") },
    { 731, QT_TRANSLATE_NOOP("WinMessages", "The protocol is not configured.") },
    { 732,
        QT_TRANSLATE_NOOP("WinMessages",
            "Your computer and the remote computer could not agree on PPP control protocols.") },
    { 733,
        QT_TRANSLATE_NOOP(
            "WinMessages", "A connection to the remote computer could not be completed.") },
    { 734, QT_TRANSLATE_NOOP("WinMessages", "The PPP link control protocol was terminated.") },
    { 735, QT_TRANSLATE_NOOP("WinMessages", "The requested address was rejected by the server.") },
    { 736,
        QT_TRANSLATE_NOOP("WinMessages", "The remote computer terminated the control protocol.") },
    { 737, QT_TRANSLATE_NOOP("WinMessages", "Loopback was detected.") },
    { 738, QT_TRANSLATE_NOOP("WinMessages", "The server did not assign an address.") },
    { 739,
        QT_TRANSLATE_NOOP("WinMessages",
            "The authentication protocol required by the remote server cannot use the stored "
            "password.") },
    { 740, QT_TRANSLATE_NOOP("WinMessages", "An invalid dialing rule was detected.") },
    { 741,
        QT_TRANSLATE_NOOP("WinMessages",
            "The local computer does not support the required data encryption type.") },
    { 742,
        QT_TRANSLATE_NOOP("WinMessages",
            "The remote computer does not support the required data encryption type.") },
    { 743, QT_TRANSLATE_NOOP("WinMessages", "The remote server requires encryption.") },
    { 751, QT_TRANSLATE_NOOP("WinMessages", "The callback number contains an invalid character.") },
    { 752,
        QT_TRANSLATE_NOOP(
            "WinMessages", "A syntax error was encountered while processing a script.") },
    { 753,
        QT_TRANSLATE_NOOP("WinMessages",
            "The connection could not be disconnected because it was created by the multi-protocol "
            "router.") },
    { 754, QT_TRANSLATE_NOOP("WinMessages", "The system could not find the multi-link bundle.") },
    { 769, QT_TRANSLATE_NOOP("WinMessages", "The remote computer is not reachable.") },
    { 770,
        QT_TRANSLATE_NOOP("WinMessages", "The remote computer refused the connection attempt.") },
    { 771,
        QT_TRANSLATE_NOOP(
            "WinMessages", "The connection attempt failed because the network is busy.") },
    { 777,
        QT_TRANSLATE_NOOP("WinMessages",
            "The connection attempt failed because the modem on the remote computer is out of "
            "order.") },
    { 778,
        QT_TRANSLATE_NOOP(
            "WinMessages", "It was not possible to verify the identity of the server.") },
};

constexpr Message kSystemMessages[] = {
    { 0, QT_TRANSLATE_NOOP("WinMessages", "The operation completed successfully.") },
    { 1, QT_TRANSLATE_NOOP("WinMessages", "Incorrect function.") },
    { 2, QT_TRANSLATE_NOOP("WinMessages", "The system cannot find the file specified.") },
    { 3, QT_TRANSLATE_NOOP("WinMessages", "The system cannot find the path specified.") },
    { 5, QT_TRANSLATE_NOOP("WinMessages", "Access is denied.") },
    { 6, QT_TRANSLATE_NOOP("WinMessages", "The handle is invalid.") },
    { 8,
        QT_TRANSLATE_NOOP(
            "WinMessages", "Not enough storage is available to process this command.") },
    { 14,
        QT_TRANSLATE_NOOP(
            "WinMessages", "Not enough storage is available to complete this operation.") },
    { 31, QT_TRANSLATE_NOOP("WinMessages", "A device attached to the system is not functioning.") },
    { 50, QT_TRANSLATE_NOOP("WinMessages", "The request is not supported.") },
    { 87, QT_TRANSLATE_NOOP("WinMessages", "The parameter is incorrect.") },
    { 111, QT_TRANSLATE_NOOP("WinMessages", "The file name is too long.") },
    { 120, QT_TRANSLATE_NOOP("WinMessages", "This function is not supported on this system.") },
    { 122,
        QT_TRANSLATE_NOOP("WinMessages", "The data area passed to a system call is too small.") },
    { 126, QT_TRANSLATE_NOOP("WinMessages", "The specified module could not be found.") },
    { 127, QT_TRANSLATE_NOOP("WinMessages", "The specified procedure could not be found.") },
    { 170, QT_TRANSLATE_NOOP("WinMessages", "The requested resource is in use.") },
    { 234, QT_TRANSLATE_NOOP("WinMessages", "More data is available.") },
    { 259, QT_TRANSLATE_NOOP("WinMessages", "No more data is available.") },
    { 1157,
        QT_TRANSLATE_NOOP("WinMessages",
            "One of the library files needed to run this application cannot be found.") },
};

template<std::size_t N>
const char* find(const Message (&table)[N], DWORD code)
{
    for (const auto& message : table) {
        if (message.code == code)
            return message.text;
    }
    return nullptr;
}

DWORD copyMessage(const char* text, LPSTR buffer, DWORD size)
{
    if (!buffer || size == 0)
        return 0;
    const std::size_t length = std::min<std::size_t>(std::strlen(text), size - 1);
    std::memcpy(buffer, text, length);
    buffer[length] = '\0';
    return static_cast<DWORD>(length);
}

} // namespace

DWORD RasGetErrorStringA(UINT code, LPSTR buffer, DWORD size)
{
    if (!buffer || size == 0)
        return static_cast<DWORD>(ERROR_INVALID_PARAMETER);
    // The reasons NetworkManager gives for a failed connection come after the platform's own.
    const char* text = find(kRasMessages, code);
    if (!text)
        text = platform::networkManagerReasonText(code);
    if (!text)
        return static_cast<DWORD>(ERROR_INVALID_PARAMETER);
    if (std::strlen(text) + 1 > size)
        return static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER);
    copyMessage(text, buffer, size);
    return 0;
}

DWORD FormatMessageA(DWORD code, LPSTR buffer, DWORD size)
{
    const char* text = find(kSystemMessages, code);
    if (!text)
        text = find(kRasMessages, code);
    // The system table ends its messages with a line break, as the platform does.
    static thread_local char withBreak[512];
    if (!text)
        return 0;
    std::snprintf(withBreak, sizeof withBreak, "%s\r\n", text);
    return copyMessage(withBreak, buffer, size);
}

} // namespace win
