#pragma once
// The procedures behind the provider owner's hooks. Each traps its errors under its
// own name: the post-add, post-insert, post-delete, combo-item and carry-over hooks
// report them (RaiseError), the two transforms raise them again at once. A hook whose
// trap caught an error answers false.
#include <cstdint>
#include <memory>
#include <string>

#include "vx4820cal/interfaces/iprovider.h"
#include "vx4820cal/interfaces/itier.h"
#include "vx4820cal/interfaces/xarraydbobject.h"

namespace vx4820cal {

// Stamps the destination with the database version its key ends in, then lets the
// delegate tier carry the data over and answers what it answers.
bool BackwardsCompatibility(std::shared_ptr<Itier>& objTier, std::string& SourceKey,
                            std::shared_ptr<Iprovider>& SourceProvider, std::string& DestKey,
                            std::shared_ptr<Iprovider>& DestProvider);

// Starts the list with the single item "Undefined"; the band list (831) is then
// filled by the tier's provider owner. True for no list (-1) and the band list.
bool GetComboItemsByUIID(std::shared_ptr<Itier> tier, std::shared_ptr<Iprovider>& Provider, std::string& UIID,
                         int32_t& RecordNr, std::shared_ptr<XArrayDBObject>& xComboItems);

// True for the calibration grids that need nothing after an add; any other grid
// gets the "not handled" message and false.
bool CheckAddedRecord(std::shared_ptr<Iprovider>& Provider, std::string& GridID);

// No grid handles inserts: always the "not handled" message and false.
bool CheckInsertedRecord(std::shared_ptr<Iprovider>& Provider, std::string& GridID, int32_t& RecordNr);

// No value is transformed: the derived field must exist, and the answer is false.
bool K5500TransformFromUI(std::shared_ptr<Itier> tier, std::shared_ptr<Iprovider>& Provider,
                          std::string DerivedFieldID, int32_t& RecordNr);
bool K5500TransformToUI(std::shared_ptr<Itier> tier, std::shared_ptr<Iprovider>& Provider,
                        std::string& DerivedFieldID, int32_t& RecordNr);

// A deleted scan group tells the host to refresh its filtered member list.
bool RecordDeleted(std::shared_ptr<Itier> tier, std::shared_ptr<Iprovider>& objProvider, std::string strUIID,
                   int32_t lngDeletedRecordNr);

}  // namespace vx4820cal
