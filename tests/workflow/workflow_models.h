// Small exports for the workflow tools' tests, parsed into models.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "dictionary/model.h"
#include "dictionary/txd_parser.h"

namespace workflow_test {

// A parsed export that keeps the bytes its model points into.
struct Parsed {
    std::string text;
    dictionary::DictionaryModel model;
};

inline std::unique_ptr<Parsed> ParseExport(std::string text) {
    auto parsed = std::make_unique<Parsed>();
    parsed->text = std::move(text);
    dictionary::ParseAll(parsed->model, parsed->text, "TEST.DCT");
    return parsed;
}

// Two files related one to many, an alias; `files`, `aliases` and
// `relations` replace the sections when given.
inline const char* const kCustomerFile =
    "Customer             FILE,DRIVER('SQLITE'),PRE(CUS),CREATE\n"
    "KeyCustNo              KEY(CUS:CustNo),NOCASE,OPT,PRIMARY\n"
    "KeyName                KEY(CUS:Name),DUP,NOCASE\n"
    "Record                 RECORD,PRE()\n"
    "CustNo                   LONG\n"
    "Name                     STRING(30)\n"
    "                       END\n"
    "                     END\n";

inline const char* const kOrdersFile =
    "Orders               FILE,DRIVER('SQLITE'),PRE(ORD)\n"
    "KeyOrderNo             KEY(ORD:OrderNo),PRIMARY\n"
    "KeyCust                KEY(ORD:CustNo),DUP\n"
    "Record                 RECORD,PRE()\n"
    "OrderNo                  LONG\n"
    "CustNo                   LONG\n"
    "                       END\n"
    "                     END\n";

inline const char* const kAliases = "ShipTo               ALIAS(Customer),PRE(SHP)\n";

inline const char* const kRelation =
    "                     RELATION,1:MANY\n"
    "Customer               FILE(CUS:KeyCustNo)\n"
    "Orders                 RELATED_FILE(ORD:KeyCust)\n"
    "                         FILE_TO_RELATED_KEY\n"
    "                           FIELD(CUS:CustNo,ORD:CustNo)\n"
    "                         END\n"
    "                         RELATED_FILE_TO_KEY\n"
    "                           FIELD(ORD:CustNo,CUS:CustNo)\n"
    "                         END\n"
    "                       END\n";

inline std::string Export(const std::string& files, const std::string& aliases = kAliases,
                          const std::string& relations = kRelation) {
    return "[DICTIONARY]\nVERSION '1'\n[FILES]\n" + files + "\n[ALIASES]\n" + aliases +
           "\n[RELATIONS]\n" + relations;
}

// `text` with the first `from` replaced by `to`; a test failure when there is none.
inline std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) text.replace(at, from.size(), to);
    return text;
}

inline std::string SoundExport() {
    return Export(std::string(kCustomerFile) + kOrdersFile);
}

}  // namespace workflow_test
