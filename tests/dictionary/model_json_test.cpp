#include "dictionary/model_json.h"

#include <gtest/gtest.h>

#include <string>

#include "runtime/core/windows1252.h"
#include "tests/dictionary/worked_example.h"

namespace dictionary {
namespace {

std::string Quoted(std::string_view text) {
    std::string out;
    AppendJsonString(out, text);
    return out;
}

TEST(JsonStringTest, EscapesQuotesBackslashesAndControls) {
    EXPECT_EQ(Quoted("NAME('A \"B\"')"), R"j("NAME('A \"B\"')")j");
    EXPECT_EQ(Quoted("C:\\DATA"), R"j("C:\\DATA")j");
    EXPECT_EQ(Quoted("a\tb\r\nc\b\f"), R"j("a\tb\r\nc\b\f")j");
    EXPECT_EQ(Quoted(std::string("\0\x01\x1a\x1f\x7f", 5)),
              R"j("\u0000\u0001\u001a\u001f\u007f")j");
    EXPECT_EQ(Quoted(""), R"j("")j");
}

TEST(JsonStringTest, Windows1252BecomesUtf8) {
    EXPECT_EQ(Quoted("\x80 \x85 \x93x\x94 \x99 \x9f"),
              "\"\u20ac \u2026 \u201cx\u201d \u2122 \u0178\"");
    EXPECT_EQ(Quoted("caf\xe9 \xa0\xff"), "\"caf\u00e9 \u00a0\u00ff\"");
    // Bytes the code page leaves undefined are escaped controls.
    EXPECT_EQ(Quoted("\x81\x8d\x8f\x90\x9d"), R"j("\u0081\u008d\u008f\u0090\u009d")j");
}

TEST(Windows1252Test, EveryByteHasACodePoint) {
    for (int b = 0; b < 256; ++b) {
        char32_t code = rt::Windows1252ToUnicode(static_cast<unsigned char>(b));
        if (b < 0x80 || b >= 0xA0) {
            EXPECT_EQ(code, static_cast<char32_t>(b));
        } else {
            EXPECT_GE(code, 0x80u);
        }
    }
    EXPECT_EQ(rt::Windows1252ToUnicode(0x8A), U'\u0160');
    EXPECT_EQ(rt::Windows1252ToUtf8("\x80x"), "\u20acx");
    std::string four;
    rt::AppendUtf8(four, U'\U0001F600');
    EXPECT_EQ(four, "\U0001F600");
}

// Every byte at every place of a text longer than one word comes out in the
// model's JSON as the string writer gives it.
TEST(ModelJsonTest, EveryByteAnywhereInAValueIsWrittenAsAJsonString) {
    for (int byte = 1; byte < 256; ++byte) {
        for (std::size_t at = 0; at < 17; ++at) {
            std::string text(17, 'x');
            text[at] = static_cast<char>(byte);
            DictionaryModel model;
            model.VERSION = text;
            std::string expected = "\"VERSION\": ";
            AppendJsonString(expected, text);
            ASSERT_NE(ModelToJson(model).find(expected + ",\n"), std::string::npos)
                << byte << " at " << at;
        }
    }
}

TEST(ModelJsonTest, EmptyModelHasEveryMemberNull) {
    EXPECT_EQ(ModelToJson(DictionaryModel{}),
              "{\n"
              "  \"VERSION\": null,\n"
              "  \"CREATED\": null,\n"
              "  \"MODIFIED\": null,\n"
              "  \"PASSWORD\": null,\n"
              "  \"DESCRIPTION\": null,\n"
              "  \"FILE\": null,\n"
              "  \"VIEW\": null,\n"
              "  \"ALIAS\": null,\n"
              "  \"RELATION\": null\n"
              "}\n");
}

TEST(ModelJsonTest, EmptyListsAndEmptyTexts) {
    DictionaryModel model;
    model.PASSWORD = "";
    Ensure(model.FILE);
    Ensure(model.VIEW).push_back({});
    std::string json = ModelToJson(model);
    EXPECT_NE(json.find("\"PASSWORD\": \"\",\n"), std::string::npos);
    EXPECT_NE(json.find("\"FILE\": [],\n"), std::string::npos);
    EXPECT_NE(
        json.find("\"VIEW\": [\n    {\n      \"ID\": 0,\n      \"TEXT\": null\n    }\n  ],\n"),
        std::string::npos);
}

TEST(ModelJsonTest, WorkedExample) {
    DictionaryModel model = dict_test::WorkedExampleModel("C:\\ORDERS.DCT");
    std::string json = ModelToJson(model);
    const char* expectedFile = R"j(  "FILE": [
    {
      "ID": 0,
      "TEXT": {
        "LONGDESC": [
          "Customer master"
        ],
        "QUICKCODE": null,
        "USEROPTION": null,
        "SCREENCONTROL": null,
        "REPORTCONTROL": null,
        "DEFINITION": "Customer  FILE,DRIVER('ASCII'),PRE(CUS),CREATE,THREAD",
        "KEYWORDS": "IDENT(1)"
      },
      "LABEL": "Customer",
      "DRIVER": "'ASCII'",
      "PREFIX": "CUS",
      "NAME": null,
      "CREATE": 1,
      "RECLAIM": 0,
      "THREAD": 1,
      "BINDABLE": 0,
      "EXTERNAL": 0,
      "OWNER": null,
      "ENCRYPT": 0,
      "DLL": 0,
      "OEM": 0,
      "KEY": [
        {
          "ID": 0,
          "TEXT": {
            "LONGDESC": null,
            "QUICKCODE": null,
            "USEROPTION": null,
            "SCREENCONTROL": null,
            "REPORTCONTROL": null,
            "DEFINITION": "KeyNo  KEY(CUS:Number),NOCASE,PRIMARY",
            "KEYWORDS": "IDENT(2)"
          },
          "LABEL": "KeyNo",
          "NAME": null,
          "DUP": 0,
          "NOCASE": 1,
          "OPT": 0,
          "PRIMARY": 1,
          "FIELD": [
            "Number"
          ]
        }
      ],
      "INDEX": null,
      "MEMO": null,
      "BLOB": null,
      "FIELD": [
)j";
    EXPECT_NE(json.find(expectedFile), std::string::npos) << json;
    EXPECT_NE(json.find("\"DESCRIPTION\": [\n    \"Orders data\",\n    \"DCT Path: "
                        "C:\\\\ORDERS.DCT\"\n  ],\n"),
              std::string::npos);
    const char* expectedEnd = R"j(        {
          "ID": 0,
          "TEXT": {
            "LONGDESC": null,
            "QUICKCODE": null,
            "USEROPTION": null,
            "SCREENCONTROL": null,
            "REPORTCONTROL": null,
            "DEFINITION": "END",
            "KEYWORDS": null
          },
          "LABEL": null,
          "TYPE": "END",
          "SIZE": null,
          "DIM": null,
          "PICTURE": null
        }
      ],
      "RECORD": "Record  RECORD,PRE()"
    }
  ],
  "VIEW": null,
  "ALIAS": null,
  "RELATION": [
    {
      "TYPE": "1:MANY  ",
      "LEFTFILE": "Customer",
      "LEFTKEY": "CUS:KeyNo",
      "LEFTFIELDS": [
        {
          "LEFT": "CUS:Number",
          "RIGHT": "ORD:CustNo"
        }
      ],
      "RIGHTFILE": "Orders",
      "RIGHTKEY": "ORD:KeyCust",
      "RIGHTFIELDS": null,
      "RIUPDATE": "CASCADE",
      "RIDELETE": null
    }
  ]
}
)j";
    EXPECT_NE(json.find(expectedEnd), std::string::npos) << json;
    EXPECT_NE(json.find("\"SIZE\": \"20\",\n          \"DIM\": \"2\",\n"), std::string::npos);
}

TEST(ModelJsonTest, MemoBlobAliasAndNumbers) {
    DictionaryModel model;
    FileQueue file;
    Ensure(file.MEMO).push_back({});
    file.MEMO->back().SIZE = 2000;
    file.MEMO->back().PICTURE = "@s20";
    Ensure(file.BLOB).push_back({});
    file.BLOB->back().SIZE = -1;
    Ensure(file.INDEX).push_back({});
    file.INDEX->back().FIELD = dict_test::Lines({"-Name", "City"});
    Ensure(model.FILE).push_back(std::move(file));
    Ensure(model.ALIAS).push_back({});
    model.ALIAS->back().FILE = "Customer";
    std::string json = ModelToJson(model);
    EXPECT_NE(json.find("\"SIZE\": 2000,\n          \"PICTURE\": \"@s20\"\n"), std::string::npos);
    EXPECT_NE(json.find("\"SIZE\": -1\n"), std::string::npos);
    EXPECT_NE(json.find("\"FIELD\": [\n            \"-Name\",\n            \"City\"\n          ]"),
              std::string::npos);
    EXPECT_NE(json.find("\"PREFIX\": null,\n      \"FILE\": \"Customer\"\n"), std::string::npos);
}

TEST(ModelJsonTest, LargeModelArrivesInPiecesThatJoinToTheWhole) {
    DictionaryModel model;
    for (int i = 0; i < 5000; ++i) {
        Ensure(model.DESCRIPTION).push_back({Text("line " + std::to_string(i))});
    }
    std::string joined;
    int pieces = 0;
    WriteModelJson(model, [&](std::string_view piece) {
        joined.append(piece);
        ++pieces;
    });
    EXPECT_GT(pieces, 1);
    EXPECT_EQ(joined, ModelToJson(model));
    EXPECT_NE(joined.find("\"line 4999\"\n  ],"), std::string::npos);
}

}  // namespace
}  // namespace dictionary
