#include "Procedures.h"

#include "DM.h"

const std::map<QString, ProcFn>& procedureTable()
{
    static const std::map<QString, ProcFn> table = {};
    return table;
}
