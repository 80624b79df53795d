#include "Transaction.h"

#include "Connection.h"
#include "DbError.h"

#include <QSqlError>

Transaction::Transaction(Connection *connection) : connection_(connection), outer_(connection->transactionDepth == 0)
{
    if (outer_) {
        QSqlDatabase db = connection_->db();
        if (!db.transaction())
            throw DbError::fromSql(db.lastError());
    }
    ++connection_->transactionDepth;
}

Transaction::~Transaction()
{
    if (done_)
        return;
    --connection_->transactionDepth;
    if (outer_)
        connection_->db().rollback();
}

void Transaction::commit()
{
    if (done_)
        return;
    done_ = true;
    --connection_->transactionDepth;
    if (outer_) {
        QSqlDatabase db = connection_->db();
        if (!db.commit()) {
            const DbError error = DbError::fromSql(db.lastError());
            db.rollback();
            throw error;
        }
    }
}
