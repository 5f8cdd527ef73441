// The dictionary as plain text, for Git to compare (a textconv filter): one
// line an object and one a description line, each naming its object whole,
// so that a changed line says where it is:
//
//     DESCRIPTION: Sample order-entry dictionary.
//     Customer FILE,DRIVER('DOS'),PRE(CUS)
//     Customer description: The customer master file.
//     Customer.KeyCustNo KEY(CustNo),NOCASE,OPT,PRIMARY
//     Customer.Balance DECIMAL(11,2),PICTURE(@n-15.2)
//     ShipTo ALIAS(Customer),PRE(SHP)
//     Relation Customer->Orders 1:MANY,FILE(CUS:KeyCustNo),...
//
// In the export's order: the dictionary's description, then each file with
// its keys and indexes, memos and blobs and fields, then the aliases and the
// relations. The header lines (VERSION, CREATED, MODIFIED) are left out, as
// the diff leaves them out. The same model gives the same bytes.
#pragma once

#include <string>

#include "dictionary/model.h"

namespace workflow {

// The text, UTF-8 with control bytes shown as cat -v shows them.
std::string DictionaryText(const dictionary::DictionaryModel& model);

}  // namespace workflow
