-- TOTALIZA_DIARIO(date, link group, link code, scope, company): the balance
-- calculation the year-end closing calls. Our working of it:
--   * for every CONPLA account that takes postings, DEBIT and CREDIT become the sums
--     of CONDIA.DEBIT and CONDIA.CREDI dated up to DATA (inclusive) within the scope:
--       1  every journal row;
--       2  rows whose link is not of CLASSE 'A' (direct administration only);
--       3  rows whose VINGRUPO begins with the group and, when a code is given,
--          whose VINCODIGO begins with the code (one indirect entity or link);
--   * SALDO follows the account's nature: DEBIT - CREDIT for "D", CREDIT - DEBIT
--     for "C";
--   * a title account (5th and 6th digits "00") gets the sums of the accounts that
--     share its first four digits.
-- EMPRESA is accepted and ignored: one database holds one entity.

SET TERM ^ ;
CREATE PROCEDURE TOTALIZA_DIARIO (
  DATA      DATE,
  VINGRUPO  VARCHAR(3),
  VINCODIGO VARCHAR(3),
  TIPO      INTEGER,
  EMPRESA   INTEGER
)
AS
DECLARE VARIABLE CONTA VARCHAR(6);
DECLARE VARIABLE SD NUMERIC(18,2);
DECLARE VARIABLE SC NUMERIC(18,2);
BEGIN
  VINGRUPO = TRIM(COALESCE(VINGRUPO, ''));
  VINCODIGO = TRIM(COALESCE(VINCODIGO, ''));
  UPDATE CONPLA SET DEBIT = 0, CREDIT = 0, SALDO = 0;

  FOR SELECT C.BALCO,
             COALESCE(SUM(C.DEBIT), 0), COALESCE(SUM(C.CREDI), 0)
      FROM CONDIA C
      WHERE C.BALCO IS NOT NULL
        AND CAST(C.DATAE AS DATE) <= :DATA
        AND (:TIPO = 1
          OR (:TIPO = 2 AND NOT EXISTS (SELECT 1 FROM VINCODIGO V
                                        WHERE V.VINGRUPO = C.VINGRUPO AND V.VINCODIGO = C.VINCODIGO
                                          AND V.CLASSE = 'A'))
          OR (:TIPO = 3 AND C.VINGRUPO STARTING WITH :VINGRUPO
                        AND (:VINCODIGO = '' OR C.VINCODIGO STARTING WITH :VINCODIGO)))
      GROUP BY C.BALCO
      INTO :CONTA, :SD, :SC
  DO
    UPDATE CONPLA SET DEBIT = :SD, CREDIT = :SC WHERE BALCO = :CONTA;

  FOR SELECT P.BALCO FROM CONPLA P WHERE SUBSTRING(P.BALCO FROM 5 FOR 2) = '00' INTO :CONTA
  DO
  BEGIN
    SELECT COALESCE(SUM(F.DEBIT), 0), COALESCE(SUM(F.CREDIT), 0)
      FROM CONPLA F
      WHERE F.BALCO STARTING WITH SUBSTRING(:CONTA FROM 1 FOR 4)
        AND SUBSTRING(F.BALCO FROM 5 FOR 2) <> '00'
      INTO :SD, :SC;
    UPDATE CONPLA SET DEBIT = :SD, CREDIT = :SC WHERE BALCO = :CONTA;
  END

  UPDATE CONPLA SET SALDO = IIF(D_C = 'C', CREDIT - DEBIT, DEBIT - CREDIT);
END^
SET TERM ; ^
