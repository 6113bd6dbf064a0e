#include "calparams/parameter_conditions.h"

#include "calparams/list_form.h"
#include "tier/text.h"

namespace vx4820cal::calparams {

std::shared_ptr<const ParameterConditions> MakeConditions(std::string_view table, std::string_view bands,
                                                          std::string_view models, int16_t hw_version_start,
                                                          int16_t hw_version_stop, std::string_view radio_options,
                                                          std::shared_ptr<NamePool> names) {
  auto conditions = std::make_shared<ParameterConditions>();
  conditions->complete = !table.empty() && !bands.empty() && !models.empty() && IsVersionInRange(hw_version_start) &&
                         IsVersionInRange(hw_version_stop);
  conditions->table = std::string(table);
  conditions->table_key = UCase(TrimView(table));
  conditions->hw_version_start = hw_version_start;
  conditions->hw_version_stop = hw_version_stop;
  conditions->band_list = ListForm(bands);
  conditions->model_list = ListForm(models);
  conditions->radio_option_list = ListForm(radio_options);
  conditions->band_list_upper = UCase(conditions->band_list);
  conditions->model_list_upper = UCase(conditions->model_list);
  conditions->radio_option_list_upper = UCase(conditions->radio_option_list);
  conditions->band_default = IsDefaultList(conditions->band_list_upper);
  conditions->model_default = IsDefaultList(conditions->model_list_upper);
  conditions->radio_option_default = IsDefaultList(conditions->radio_option_list_upper);
  conditions->names = names ? std::move(names) : std::make_shared<NamePool>();
  return conditions;
}

}  // namespace vx4820cal::calparams
