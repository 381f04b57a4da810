#include "word/model/DocumentModel.h"

namespace word::model {

DocumentModel DocumentModel::blank()
{
    return DocumentModel{};
}

int DocumentModel::tableCount() const
{
    int count = 0;
    for (const Block& block : body)
        count += std::holds_alternative<Table>(block) ? 1 : 0;
    return count;
}

int DocumentModel::blockOfTable(int ordinal) const
{
    int seen = 0;
    for (int i = 0; i < int(body.size()); ++i) {
        if (std::holds_alternative<Table>(body[i])) {
            if (seen == ordinal)
                return i;
            ++seen;
        }
    }
    return -1;
}

Table* DocumentModel::table(int ordinal)
{
    const int block = blockOfTable(ordinal);
    return block < 0 ? nullptr : &std::get<Table>(body[block]);
}

const Table* DocumentModel::table(int ordinal) const
{
    const int block = blockOfTable(ordinal);
    return block < 0 ? nullptr : &std::get<Table>(body[block]);
}

}  // namespace word::model
