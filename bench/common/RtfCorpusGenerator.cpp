#include "RtfCorpusGenerator.h"

#include <random>

namespace {

const char *const kWords[] = {
    "m\\'f8det",
    "blev",
    "holdt",
    "i",
    "K\\'f8benhavn",
    "med",
    "alle",
    "deltagere",
    "og",
    "der",
    "var",
    "kaffe",
    "\\'e6bler",
    "p\\'e5",
    "bordet",
    "r\\'f8dgr\\'f8d",
    "fl\\'f8de",
    "\\u945?\\u946?",
    "referat",
    "\\u20013?\\u25991?",
    "sommer",
    "vinter",
    "\\ldblquote citat\\rdblquote",
    "\\'c5rhus",
    "Odense",
};

const char kHeader[]
    = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1"
      "{\\fonttbl{\\f0\\froman\\fcharset0 Times New Roman;}{\\f1\\fswiss\\fcharset0 Arial;}"
      "{\\f2\\fmodern\\fcharset0 Courier New;}{\\f3\\fnil\\fcharset2 Symbol;}}\r\n"
      "{\\colortbl;\\red0\\green0\\blue0;\\red192\\green0\\blue0;\\red0\\green112\\blue192;"
      "\\red255\\green255\\blue0;}\r\n"
      "{\\*\\listtable{\\list\\listtemplateid1{\\listlevel\\levelnfc23{\\leveltext\\'01\\u-3913 ?;}"
      "{\\levelnumbers;}\\f3\\fi-360\\li720}\\listid1}{\\list\\listtemplateid2{\\listlevel\\levelnfc0"
      "{\\leveltext\\'02\\'00.;}{\\levelnumbers\\'01;}\\fi-360\\li720}\\listid2}}\r\n"
      "{\\*\\listoverridetable{\\listoverride\\listid1\\listoverridecount0\\ls1}"
      "{\\listoverride\\listid2\\listoverridecount0\\ls2}}\r\n"
      "{\\info{\\title Benchmark}{\\author Skrivora}}\r\n";

} // namespace

QByteArray RtfCorpusGenerator::generate(int paragraphs, unsigned seed)
{
    std::mt19937 random(seed);
    auto pick = [&](int n) { return int(random() % unsigned(n)); };
    const char *const characterFormats[] = { "", "\\b", "\\i", "\\ul", "\\b\\i", "\\cf2", "\\cf3\\ul",
        "\\highlight4", "\\strike", "\\f2\\fs20" };
    const char *const alignments[] = { "\\ql", "\\qc", "\\qr", "\\qj" };

    QByteArray rtf = kHeader;
    rtf.reserve(paragraphs * 300);
    for (int p = 0; p < paragraphs; ++p) {
        rtf += "\\pard\\plain";
        const int kind = p % 20;
        if (kind == 5 || kind == 6) {
            rtf += "{\\listtext\\f3\\'b7\\tab}\\ls1\\fi-360\\li720";
        } else if (kind == 7 || kind == 8) {
            rtf += "{\\pntext\\f3\\'b7\\tab}{\\*\\pn\\pnlvlblt\\pnf3\\pnindent0{\\pntxtb\\'b7}}\\fi-"
                   "360\\li720";
        } else if (kind == 9) {
            rtf += "\\trowd\\cellx3000\\cellx6000\\intbl";
        } else {
            rtf += alignments[pick(4)];
            rtf += "\\li" + QByteArray::number(pick(4) * 360) + "\\sa120";
        }
        rtf += "\\f" + QByteArray::number(pick(2)) + "\\fs" + QByteArray::number(20 + 2 * pick(5)) + ' ';

        for (int run = 0; run < 5; ++run) {
            rtf += '{';
            rtf += characterFormats[pick(10)];
            rtf += ' ';
            for (int word = 0; word < 4; ++word) {
                rtf += kWords[pick(int(std::size(kWords)))];
                rtf += ' ';
            }
            rtf += '}';
            if (run == 2 && kind == 3)
                rtf += "{\\field{\\*\\fldinst{HYPERLINK \"https://example.dk/side\"}}{\\fldrslt{\\ul\\cf3 "
                       "link}}}";
            if (run == 2 && kind == 9)
                rtf += "\\cell ";
        }
        rtf += kind == 9 ? "\\cell\\row\r\n" : "\\par\r\n";
    }
    rtf += '}';
    return rtf;
}
