#pragma once

#include "data/Query.h"

#include <string>
#include <vector>

// The statements of the data module's record sets, line for line as the sets
// hold them, and the fields the sets declare.
namespace pondus::data {

extern const std::string stockSql;
extern const std::string priceLevelSql;
extern const std::string stockPriceSql;
extern const std::string weightSql;
extern const std::string stockKelpSql;
extern const std::string menuGroupSql;
extern const std::string stockV8Sql;
extern const std::string priceLevelV8Sql;
extern const std::string stockPriceV8Sql;
extern const std::string weightV8Sql;

extern const std::vector<FieldDeclaration> priceLevelFields;
extern const std::vector<FieldDeclaration> weightFields;
extern const std::vector<FieldDeclaration> menuGroupFields;
extern const std::vector<FieldDeclaration> priceLevelV8Fields;
extern const std::vector<FieldDeclaration> stockPriceV8Fields;
extern const std::vector<FieldDeclaration> weightV8Fields;

// The fields of tblStockPrice, with Description looked up in the stock set.
std::vector<FieldDeclaration> stockPriceFields(RecordSet& stock);

} // namespace pondus::data
