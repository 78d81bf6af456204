#pragma once
// The save and delete rules of the data module, one file per table family.
// Each installs its hooks on the shared table objects.
class TDMDB;

void InstallMemberRules(TDMDB &dm);     // rules_members.cpp: socio
void InstallActivityRules(TDMDB &dm);   // rules_activities.cpp: modalidade
void InstallEnrolmentRules(TDMDB &dm);  // rules_enrolments.cpp: modalidade_socio
void InstallDueRules(TDMDB &dm);        // rules_dues.cpp: quotas_socios
void InstallReceiptRules(TDMDB &dm);    // rules_receipts.cpp: recibo_header
void InstallOtherRules(TDMDB &dm);      // rules_others.cpp: users, mail accounts, association
// The expense documents' date parts, attached when start-up sets that
// table object up.
void AttachExpenseDocumentDateRule(TDMDB &dm);
