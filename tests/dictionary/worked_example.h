// The small order-entry dictionary used by the writer and JSON tests: the
// export text and the model the parser builds from it.
#pragma once

#include <memory>
#include <string>
#include <utility>

#include "dictionary/model.h"

namespace dict_test {

inline constexpr const char* kWorkedExampleExport =
    "[DICTIONARY]\r\n"
    "VERSION '4.0'\r\n"
    "CREATED '1 JAN 1999' ' 9:00:00AM'\r\n"
    "[DESCRIPTION]\r\n"
    "!Orders data\r\n"
    "[FILES]\r\n"
    "[LONGDESC]\r\n"
    "!Customer master\r\n"
    "Customer  FILE,DRIVER('ASCII'),PRE(CUS),CREATE,THREAD\r\n"
    "!!> IDENT(1)\r\n"
    "KeyNo  KEY(CUS:Number),NOCASE,PRIMARY\r\n"
    "!!> IDENT(2)\r\n"
    "Record  RECORD,PRE()\r\n"
    "Number  LONG\r\n"
    "!!> IDENT(3),PICTURE(@n9)\r\n"
    "Addr  GROUP,PRE()\r\n"
    "!!> IDENT(4)\r\n"
    "Town  STRING(20),DIM(2)\r\n"
    "!!> IDENT(5)\r\n"
    "END\r\n"
    "END\r\n"
    "END\r\n"
    "[RELATIONS]\r\n"
    "RELATION,1:MANY,UPDATE(CASCADE)\r\n"
    "Customer  FILE(CUS:KeyNo)\r\n"
    "Orders  RELATED_FILE(ORD:KeyCust)\r\n"
    "FILE_TO_RELATED_KEY\r\n"
    "FIELD(CUS:Number,ORD:CustNo)\r\n"
    "END\r\n";

inline dictionary::ObjectTextRef Annotation(const char* definition, const char* keywords) {
    auto text = dictionary::MakeObjectText();
    text->DEFINITION = definition;
    if (keywords != nullptr) text->KEYWORDS = keywords;
    return text;
}

inline dictionary::List<dictionary::TextLineQueue> Lines(std::initializer_list<const char*> lines) {
    dictionary::List<dictionary::TextLineQueue> list =
        dictionary::MakeList<dictionary::TextLineQueue>();
    for (const char* line : lines) list->push_back({dictionary::Text(line)});
    return list;
}

// The model parsed from kWorkedExampleExport with `dctPath` as the
// dictionary path.
inline dictionary::DictionaryModel WorkedExampleModel(const std::string& dctPath) {
    using namespace dictionary;
    DictionaryModel model;
    model.VERSION = "'4.0'";
    model.CREATED = "'1 JAN 1999' ' 9:00:00AM'";
    model.DESCRIPTION = Lines({"Orders data"});
    model.DESCRIPTION->push_back({Text("DCT Path: " + dctPath)});

    FileQueue customer;
    customer.TEXT = Annotation("Customer  FILE,DRIVER('ASCII'),PRE(CUS),CREATE,THREAD", "IDENT(1)");
    customer.TEXT->EnsureSections().LONGDESC = Lines({"Customer master"});
    customer.LABEL = "Customer";
    customer.DRIVER = "'ASCII'";
    customer.PREFIX = "CUS";
    customer.CREATE = 1;
    customer.THREAD = 1;
    KeyQueue key;
    key.TEXT = Annotation("KeyNo  KEY(CUS:Number),NOCASE,PRIMARY", "IDENT(2)");
    key.LABEL = "KeyNo";
    key.NOCASE = 1;
    key.PRIMARY = 1;
    key.FIELD = Lines({"Number"});
    Ensure(customer.KEY).push_back(std::move(key));
    customer.RECORD = "Record  RECORD,PRE()";
    FieldQueue number;
    number.TEXT = Annotation("Number  LONG", "IDENT(3),PICTURE(@n9)");
    number.LABEL = "Number";
    number.TYPE = "LONG";
    number.PICTURE = "@n9";
    FieldQueue addr;
    addr.TEXT = Annotation("Addr  GROUP,PRE()", "IDENT(4)");
    addr.LABEL = "Addr";
    addr.TYPE = "GROUP";
    FieldQueue town;
    town.TEXT = Annotation("Town  STRING(20),DIM(2)", "IDENT(5)");
    town.LABEL = "Town";
    town.TYPE = "STRING";
    town.SIZE = "20";
    town.DIM = "2";
    FieldQueue end;
    end.TEXT = Annotation("END", nullptr);
    end.TYPE = "END";
    auto& fields = Ensure(customer.FIELD);
    fields.push_back(std::move(number));
    fields.push_back(std::move(addr));
    fields.push_back(std::move(town));
    fields.push_back(std::move(end));
    Ensure(model.FILE).push_back(std::move(customer));

    RelationQueue relation;
    relation.TYPE = "1:MANY";
    relation.RIUPDATE = "CASCADE";
    relation.LEFTFILE = "Customer";
    relation.LEFTKEY = "CUS:KeyNo";
    relation.RIGHTFILE = "Orders";
    relation.RIGHTKEY = "ORD:KeyCust";
    Ensure(relation.LEFTFIELDS).push_back({Text("CUS:Number"), Text("ORD:CustNo")});
    Ensure(model.RELATION).push_back(std::move(relation));
    return model;
}

// What releasing WorkedExampleModel writes.
inline std::string WorkedExampleWriteback(const std::string& dctPath) {
    return "[DICTIONARY]\r\n"
           "VERSION '4.0'\r\n"
           "CREATED '1 JAN 1999' ' 9:00:00AM'\r\n"
           "[DESCRIPTION]\r\n"
           "!Orders data\r\n"
           "!DCT Path: " +
           dctPath +
           "\r\n"
           "\r\n"
           "[FILES]\r\n"
           "\r\n"
           "[LONGDESC]\r\n"
           "! Customer master\r\n"
           "Customer  FILE,DRIVER('ASCII'),PRE(CUS),CREATE,THREAD\r\n"
           "!!> IDENT(1)\r\n"
           "KeyNo  KEY(CUS:Number),NOCASE,PRIMARY\r\n"
           "!!> IDENT(2)\r\n"
           "Record  RECORD,PRE()\r\n"
           "Number  LONG\r\n"
           "!!> IDENT(3),PICTURE(@n9)\r\n"
           "Addr  GROUP,PRE()\r\n"
           "!!> IDENT(4)\r\n"
           "Town  STRING(20),DIM(2)\r\n"
           "!!> IDENT(5)\r\n"
           "END\r\n"
           "                         END\r\n"
           "                       END\r\n"
           "\r\n"
           "\r\n"
           "[RELATIONS]\r\n"
           "\r\n"
           "                       RELATION,1:MANY,UPDATE(CASCADE)\r\n"
           "Customer                 FILE(CUS:KeyNo)\r\n"
           "Orders                   RELATED_FILE(ORD:KeyCust)\r\n"
           "                         FILE_TO_RELATED_KEY\r\n"
           "                           FIELD(CUS:Number,ORD:CustNo)\r\n"
           "                         END\r\n"
           "                       END\r\n"
           "\r\n";
}

}  // namespace dict_test
