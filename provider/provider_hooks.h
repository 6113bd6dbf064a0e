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
bool BackwardsCompatibility(std::shared_ptr<Itier>& tier, std::string& source_key, std::shared_ptr<Iprovider>& source,
                            std::string& dest_key, std::shared_ptr<Iprovider>& dest);

// Starts the list with the single item "Undefined"; the band list (831) is then
// filled by the tier's provider owner. True for no list (-1) and the band list.
bool GetComboItemsByUIID(const std::shared_ptr<Itier>& tier, std::shared_ptr<Iprovider>& provider, std::string& uiid,
                         std::shared_ptr<XArrayDBObject>& combo_items);

// True for the calibration grids that need nothing after an add; any other grid
// gets the "not handled" message and false.
bool CheckAddedRecord(const std::string& grid_id);

// No grid handles inserts: always the "not handled" message and false.
bool CheckInsertedRecord(const std::string& grid_id);

// No derived value is converted between its stored and shown form: the derived
// field must exist, and the answer is false.
bool TransformDerivedFieldFromUI(std::shared_ptr<Iprovider>& provider, const std::string& derived_field_id);
bool TransformDerivedFieldToUI(std::shared_ptr<Iprovider>& provider, const std::string& derived_field_id);

// A deleted scan group tells the host to refresh its filtered member list.
bool RecordDeleted(const std::shared_ptr<Itier>& tier, const std::string& uiid);

// The provider owner of the delegate tier, which answers the calls this tier hands
// on; fails with 91 when no delegate tier is set or it has no provider owner.
std::shared_ptr<IproviderOwner> DelegateProviderOwner();

}  // namespace vx4820cal
