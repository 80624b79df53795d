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
    if (outer_)
        connection_->db().rollback();
    --connection_->transactionDepth;
}

void Transaction::commit()
{
    if (done_)
        return;
    done_ = true;
    if (outer_) {
        QSqlDatabase db = connection_->db();
        if (!db.commit()) {
            // A refused COMMIT has already ended the transaction on the server.
            const DbError error = DbError::fromSql(db.lastError());
            --connection_->transactionDepth;
            throw error;
        }
    }
    --connection_->transactionDepth;
}
