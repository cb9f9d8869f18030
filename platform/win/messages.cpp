// SPDX-License-Identifier: GPL-3.0-or-later
// The platform's message texts for RAS and system result codes.
#include "../linux/dialstates.h"
#include "ras.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string_view>

namespace win {

namespace {

struct Message
{
    DWORD code;
    const char* text;
};

constexpr Message kRasMessages[] = {
    { 600, "An operation is pending." },
    { 601, "The port handle is invalid." },
    { 602, "The port is already open." },
    { 603, "Caller's buffer is too small." },
    { 604, "Wrong information specified." },
    { 605, "Cannot set port information." },
    { 606, "The port is not connected." },
    { 607, "The event is invalid." },
    { 608, "The device does not exist." },
    { 609, "The device type does not exist." },
    { 610, "The buffer is invalid." },
    { 611, "The route is not available." },
    { 612, "The route is not allocated." },
    { 613, "Invalid compression specified." },
    { 614, "Out of buffers." },
    { 615, "The port was not found." },
    { 616, "An asynchronous request is pending." },
    { 617, "The port or device is already disconnecting." },
    { 618, "The port is not open." },
    { 619, "The port is disconnected." },
    { 620, "There are no endpoints." },
    { 621, "Cannot open the phone book file." },
    { 622, "Cannot load the phone book file." },
    { 623, "Cannot find the phone book entry." },
    { 624, "Cannot write the phone book file." },
    { 625, "Invalid information found in the phone book file." },
    { 626, "Cannot load a string." },
    { 627, "Cannot find key." },
    { 628, "The port was disconnected." },
    { 629, "The port was disconnected by the remote machine." },
    { 630, "The port was disconnected due to hardware failure." },
    { 631, "The port was disconnected by the user." },
    { 632, "The structure size is incorrect." },
    { 633, "The port is already in use or is not configured for Remote Access dial out." },
    { 634, "Cannot register your computer on the remote network." },
    { 635, "Unknown error." },
    { 636, "The wrong device is attached to the port." },
    { 637, "The string could not be converted." },
    { 638, "The request has timed out." },
    { 645, "Internal authentication error." },
    { 646, "The account is not permitted to log on at this time of day." },
    { 647, "The account is disabled." },
    { 648, "The password has expired." },
    { 649, "The account does not have Remote Access permission." },
    { 650, "The Remote Access server is not responding." },
    { 651, "Your modem (or other connecting device) has reported an error." },
    { 652, "Unrecognized response from the device." },
    { 653, "A macro required by the device was not found in the device .INF file section." },
    { 655, "The <message> macro was not found in the device .INF file section." },
    { 656, "The <defaultoff> macro in the device .INF file section contains an undefined macro." },
    { 657, "The device .INF file could not be opened." },
    { 658, "The device name in the device .INF or media .INI file is too long." },
    { 659, "The media .INI file refers to an unknown device name." },
    { 660, "The device .INF file contains no responses for the command." },
    { 661, "The device .INF file is missing a command." },
    { 662, "Attempted to set a macro not listed in device .INF file section." },
    { 663, "The media .INI file refers to an unknown device type." },
    { 664, "Cannot allocate memory." },
    { 665, "The port is not configured for Remote Access." },
    { 666, "Your modem (or other connecting device) is not functioning." },
    { 667, "Cannot read the media .INI file." },
    { 668, "The connection dropped." },
    { 669, "The usage parameter in the media .INI file is invalid." },
    { 670, "Cannot read the section name from the media .INI file." },
    { 671, "Cannot read the device type from the media .INI file." },
    { 672, "Cannot read the device name from the media .INI file." },
    { 673, "Cannot read the usage from the media .INI file." },
    { 674, "Cannot read the maximum connection BPS rate from the media .INI file." },
    { 675, "Cannot read the maximum carrier BPS rate from the media .INI file." },
    { 676, "The line is busy." },
    { 677, "A person answered instead of a modem." },
    { 678, "There is no answer." },
    { 679, "Cannot detect carrier." },
    { 680, "There is no dial tone." },
    { 681, "General error reported by device." },
    { 691, "Access denied because username and/or password is invalid on the domain." },
    { 692, "Hardware failure in port or attached device." },
    { 695, "State machines are not started." },
    { 696, "State machines are already started." },
    { 697, "Response looping did not complete." },
    { 699, "The device response caused buffer overflow." },
    { 700, "The expanded command in the device .INF file is too long." },
    { 701, "The device moved to a BPS rate not supported by the COM driver." },
    { 702, "Device response received when none expected." },
    { 703,
        "The connection needs information from you, but the application does not allow user "
        "interaction." },
    { 704, "The callback number is invalid." },
    { 705, "The authorization state is invalid." },
    { 707, "There was an error related to the X.25 protocol." },
    { 708, "The account has expired." },
    { 709, "There was an error changing the password on the domain." },
    { 710, "Serial overrun errors were detected while communicating with your modem." },
    { 711, "The Remote Access Service Manager could not start." },
    { 712, "The two-way port is initializing." },
    { 713, "No active ISDN lines are available." },
    { 714, "No ISDN channels are available to make the call." },
    { 715, "Too many errors occurred because of poor phone line quality." },
    { 716, "The Remote Access Service IP configuration is unusable." },
    { 717,
        "No IP addresses are available in the static pool of Remote Access Service IP addresses." },
    { 718,
        "The connection was terminated because the remote computer did not respond in a timely "
        "manner." },
    { 719, "The connection was terminated by the remote computer." },
    { 720,
        "A connection to the remote computer could not be established. No PPP control protocols "
        "configured." },
    { 721, "The remote computer did not respond." },
    { 722, "Invalid data was received from the remote computer." },
    { 723, "The phone number, including prefix and suffix, is too long." },
    { 726, "The IPX protocol cannot be used for dial-out on more than one modem at a time." },
    { 728, "The system cannot find an IP adapter." },
    { 729, "SLIP cannot be used unless the IP protocol is installed." },
    { 730, "Computer registration is not complete." },
    { 731, "The protocol is not configured." },
    { 732, "Your computer and the remote computer could not agree on PPP control protocols." },
    { 733, "A connection to the remote computer could not be completed." },
    { 734, "The PPP link control protocol was terminated." },
    { 735, "The requested address was rejected by the server." },
    { 736, "The remote computer terminated the control protocol." },
    { 737, "Loopback was detected." },
    { 738, "The server did not assign an address." },
    { 739,
        "The authentication protocol required by the remote server cannot use the stored "
        "password." },
    { 740, "An invalid dialing rule was detected." },
    { 741, "The local computer does not support the required data encryption type." },
    { 742, "The remote computer does not support the required data encryption type." },
    { 743, "The remote server requires encryption." },
    { 751, "The callback number contains an invalid character." },
    { 752, "A syntax error was encountered while processing a script." },
    { 753,
        "The connection could not be disconnected because it was created by the multi-protocol "
        "router." },
    { 754, "The system could not find the multi-link bundle." },
    { 769, "The remote computer is not reachable." },
    { 770, "The remote computer refused the connection attempt." },
    { 771, "The connection attempt failed because the network is busy." },
    { 777,
        "The connection attempt failed because the modem on the remote computer is out of order." },
    { 778, "It was not possible to verify the identity of the server." },
};

constexpr Message kSystemMessages[] = {
    { 0, "The operation completed successfully." },
    { 1, "Incorrect function." },
    { 2, "The system cannot find the file specified." },
    { 3, "The system cannot find the path specified." },
    { 5, "Access is denied." },
    { 6, "The handle is invalid." },
    { 8, "Not enough storage is available to process this command." },
    { 14, "Not enough storage is available to complete this operation." },
    { 31, "A device attached to the system is not functioning." },
    { 50, "The request is not supported." },
    { 87, "The parameter is incorrect." },
    { 111, "The file name is too long." },
    { 120, "This function is not supported on this system." },
    { 122, "The data area passed to a system call is too small." },
    { 126, "The specified module could not be found." },
    { 127, "The specified procedure could not be found." },
    { 170, "The requested resource is in use." },
    { 234, "More data is available." },
    { 259, "No more data is available." },
    { 1157, "One of the library files needed to run this application cannot be found." },
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
