// The help text as one table of lines, each an indent and the pieces it is joined from.

#include "help/help_text.h"

#include "help/maker.h"

#include <array>
#include <cstdint>
#include <iterator>
#include <string_view>

namespace numo {

namespace {

    // A line is its indent followed by its pieces joined with nothing between them. Most lines are
    // one piece; the maker's lines and the prefix and suffix examples are put together from
    // several.
    constexpr std::size_t kMaxPieces = 10; // line 121: the maker's whole contact data

    struct Line
    {
        std::uint8_t indent;
        std::array<std::string_view, kMaxPieces> pieces;
    };

    // Paragraphs are separated by a line holding one space, not by an empty line.
    constexpr Line kSpace{0, {" "}};

    // Line 1 puts the release date far to the right of the maker's name.
    constexpr std::string_view kTitleGap = "                                        "
                                           "                                        ";
    static_assert(kTitleGap.size() == 80);

    // The examples of lines 39 and 41 are the prefix and suffix that a new installation starts
    // with, never the ones currently set.
    constexpr std::string_view kExamplePrefix = "a";
    constexpr std::string_view kExampleSuffix = ".gif";

    constexpr Line kLines[] = {
        // Title
        {0, {maker::kName, kTitleGap, maker::kReleaseDate}},
        {2, {"Numo  (by ", maker::kName, ") "}},
        {4,
            {"Numo converts text to ASCII, and numbers between large decimal, decimal bytes, "
             "hexadecimal and binary, in a single click or keystroke."}},
        kSpace,
        // Features
        {8, {"Features"}},
        {12, {"Numo is free software: you may copy it and pass it on freely."}},
        {12, {"Single key entry to produce an entire line of text based on your setup."}},
        {12,
            {"Convert any text (such as abc) into decimal, hexadecimal, and binary in a single "
             "click."}},
        {12, {"Convert any decimal into text, hexadecimal, and binary in a single click."}},
        {12, {"Convert any hexadecimal into text, decimal, and binary in a single click."}},
        {12, {"Convert any binary into text, decimal, and hexadecimal in a single click."}},
        {12, {"Convert extremely large numbers into octets, decimal, hexadecimal, or binary."}},
        {12,
            {"Create text that assembled based on ASCII Value, Hex Value, or Binary Value and any "
             "prefix and suffix that you configured."}},
        {12, {"Automatically copy results into clipboard."}},
        kSpace,
        kSpace,
        kSpace,
        kSpace,
        // Installation and files
        {4,
            {"Download the Numo program file and put it in any folder you like (on Windows, your "
             "Windows folder is a good choice) or on your desktop."}},
        kSpace,
        {4,
            {"The first time you run Numo, it will create a c:\\plim folder if it does not already "
             "exists."}},
        kSpace,
        {8,
            {"On Linux the folder is plim in your home folder. It holds the settings file "
             "numo2.ini "
             "and the help file numo2.txt; Numo looks after both files itself, so you never need "
             "to "
             "open or change them."}},
        kSpace,
        // The naming-scheme value list
        {4, {"Value to Use in Naming Scheme list"}},
        kSpace,
        {8,
            {"Use this list to choose whether the main part of the composed name is the ASCII "
             "Value, "
             "the Hex Value or the Binary Value of the text you type. For example, the letter B "
             "has "
             "the ASCII Value 66, the Hex Value 42 and the Binary Value 01000010."}},
        kSpace,
        {8, {"You must double click to select a new value."}},
        kSpace,
        // The entry-mode list
        {4, {"Single Key or String."}},
        kSpace,
        {8,
            {"Setting this to Single Key converts the text line as you type each key and updates "
             "every other field at once, without pressing any button."}},
        kSpace,
        {8,
            {"Setting this to String will allow you to type a complete line of text before "
             "converting it."}},
        kSpace,
        {8, {"You must double click to select a new value."}},
        kSpace,
        // Prefix and suffix
        {4,
            {"Prefix box: the characters you type here go in front of the main part of the naming "
             "scheme, so any derived text can begin with whatever you need. In our example we used "
             "the letter ",
                kExamplePrefix,
                ". This means that any text derived from the main naming scheme will start with "
                "an ",
                kExamplePrefix, " or anything else you put in this field."}},
        kSpace,
        {4,
            {"Suffix box: the characters you type here go at the end of the derived text, so it "
             "can "
             "finish with whatever you need. In our example we used ",
                kExampleSuffix, ". This means that all other text will have ", kExampleSuffix,
                " or anything else that you want at the end of all derived text."}},
        kSpace,
        // Save Configuration
        {4,
            {"Save Configuration: this button is enabled only while there are changes to your "
             "configuration that have not been saved. Click it to keep them; changes that are not "
             "saved are lost the next time Numo starts."}},
        kSpace,
        // The result field
        {4, {"Results Copied to Clipboard text box."}},
        kSpace,
        {8, {"You do not type anything here. This is where Numo puts the result."}},
        kSpace,
        {8,
            {"Numo joins the prefix, the chosen value of your text and the suffix in this one "
             "field "
             "and copies the result to the clipboard automatically, ready for you to paste "
             "anywhere."}},
        kSpace,
        // The text line
        {4, {"Text Line to Convert to ASCII text box."}},
        kSpace,
        {8,
            {"Type your text here, then click Convert Text to ASCII. In Single Key mode you need "
             "not "
             "click: every key you type is converted at once."}},
        kSpace,
        // Large decimal
        {4, {"Large Decimal (over 255) text box."}},
        kSpace,
        {8, {"Type in your number then hit the Convert to Bytes button."}},
        kSpace,
        {8,
            {"Numo converts very large numbers into bytes. For example, the number 999,999,999 "
             "gives "
             "the following results:"}},
        kSpace,
        {12, {"Decimal in Bytes:"}},
        {16, {"0 0 0 59 154 201 255"}},
        kSpace,
        {12, {"Hexadecimal:"}},
        {16, {"00-00-00-3B-9A-C9-FF"}},
        kSpace,
        {12, {"Binary:"}},
        {16, {"00000000-00000000-00000000-00111011-10011010-11001001-11111111"}},
        kSpace,
        // Decimal in bytes
        {4, {"Decimal in Bytes (such as IP addresses) text box."}},
        kSpace,
        {8, {"Type in your data and then hit Convert to Hex and Bin button."}},
        kSpace,
        {8,
            {"You may type any number of byte values, separated by spaces or periods. The periods "
             "are "
             "filtered out, so you can paste an IP address without editing it."}},
        kSpace,
        {12, {"If we type in 140.0.255.255 you will see the following results:"}},
        kSpace,
        {16, {"Hexadecimal:"}},
        {20, {"8C-00-FF-FF"}},
        kSpace,
        {16, {"Binary:"}},
        {20, {"10001100-00000000-11111111-11111111"}},
        kSpace,
        // Hexadecimal
        {4, {"Hexadecimal (such as a MAC address) text box."}},
        kSpace,
        {8, {"Type in your data, then hit the Convert Hex to Dec and Bin button."}},
        kSpace,
        {8,
            {"You may type the hexadecimal values separated or run together. Numo shows them with "
             "dashes for readability only; spaces and any other characters that are not "
             "hexadecimal "
             "digits are stripped."}},
        kSpace,
        // Binary
        {4, {"Binary (such as sniffer captures)    "}},
        kSpace,
        {8, {"Type in your data and then hit Convert Binary to ASCII, Hex, and Dec button."}},
        kSpace,
        {8,
            {"Type any zeros and ones, with or without dashes between the groups. Numo shows a "
             "dash "
             "between each group of eight digits."}},
        {8,
            {"Every byte must be typed with all eight digits: 1100001 does not convert correctly, "
             "but 01100001 does."}},
        kSpace,
        // Contact
        {4, {"Please send your questions or comments to ", maker::kEmail, "."}},
        kSpace,
        kSpace,
        // Distribution and requirements
        {4, {"Numo is free: use it as long as you like and give copies to anyone. "}},
        {8, {"Click here to download Numo"}},
        kSpace,
        {4, {"Requirements:"}},
        {4, {"Windows 95, Windows 98, Windows ME, Windows NT, Windows 2000."}},
        {4, {"32 Megs of RAM"}},
        kSpace,
        // Ordering: every line ends with a space, the blank ones hold two
        {0, {"Ordering the Numo source code: "}},
        {4, {"Source code for your own use: $49. It gives you no right to resell it. "}},
        {0, {"  "}},
        {8, {"Source code with a licence to resell it: $249. "}},
        {0, {"  "}},
        {4, {"Washington residents please add the sales tax of their area. "}},
        {4, {"Make your check or money order payable to: "}},
        {8, {maker::kName, " "}},
        {4, {"Mail your order to:  "}},
        {7, {maker::kName, " "}},
        {8, {maker::kPostBox, " "}},
        {9, {maker::kPostBoxCity, " "}},
        // Closing
        kSpace,
        kSpace,
        {0,
            {"E-mail: ", maker::kEmail, "   Phone: ", maker::kPhone, "   Fax: ", maker::kFax, "   ",
                maker::kStreet, ", ", maker::kCity}},
        {0, {}},
    };
    static_assert(std::size(kLines) == kHelpLineCount);

    void AppendLine(std::string &out, const Line &line)
    {
        out.append(line.indent, ' ');
        for (const std::string_view piece : line.pieces)
            out.append(piece);
    }

} // namespace

std::string HelpLine(std::size_t number)
{
    std::string text;
    if (number >= 1 && number <= kHelpLineCount)
        AppendLine(text, kLines[number - 1]);
    return text;
}

std::string HelpText()
{
    std::string text;
    text.reserve(12 * 1024); // the text is about 9 KB
    for (const Line &line : kLines) {
        AppendLine(text, line);
        text.append("\r\n");
    }
    return text;
}

} // namespace numo
